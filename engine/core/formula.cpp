// SPDX-License-Identifier: GPL-3.0-or-later
// What the formula line's faults say, and where.
#include "formula.h"

#include "messages.h"

namespace {

// The pattern with %1 and %2 replaced in one pass: a piece holding "%2"
// stays as it is.
std::string filledIn(std::string_view pattern, std::string_view first, std::string_view second) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[++i] == '1' ? first : second;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace

std::vector<Term> FormulaRead::termList() const {
    std::vector<Term> list;
    for (const FormulaTerm& t : terms) list.push_back(t.term);
    return list;
}

const char* formulaMessage(FormulaFault fault) {
    namespace fm = messages::formula;
    switch (fault) {
        case FormulaFault::none: return "";
        case FormulaFault::unexpectedCharacter: return fm::unexpectedCharacter;
        case FormulaFault::unknownName: return fm::unknownName;
        case FormulaFault::termExpected: return fm::termExpected;
        case FormulaFault::unexpectedEnd: return fm::unexpectedEnd;
        case FormulaFault::twoSigns: return fm::twoSigns;
        case FormulaFault::unsupportedTerm: return fm::unsupportedTerm;
        case FormulaFault::exponentNotNumber: return fm::exponentNotNumber;
        case FormulaFault::exponentNeedsBrackets: return fm::exponentNeedsBrackets;
        case FormulaFault::bracketNeeded: return fm::bracketNeeded;
        case FormulaFault::bracketNotClosed: return fm::bracketNotClosed;
        case FormulaFault::bracketNotOpened: return fm::bracketNotOpened;
        case FormulaFault::insideNotLinear: return fm::insideNotLinear;
        case FormulaFault::baseNotPositive: return fm::baseNotPositive;
        case FormulaFault::numberTooLarge: return fm::numberTooLarge;
        case FormulaFault::numberTooSmall: return fm::numberTooSmall;
        case FormulaFault::tooManyTerms: return messages::tooManyTerms;
    }
    return "";
}

std::size_t formulaColumn(std::string_view text, std::size_t position) {
    std::size_t column = 1;
    for (std::size_t p = 0; p < position && p < text.size(); ++p) {
        if ((static_cast<unsigned char>(text[p]) & 0xC0) != 0x80) ++column;
    }
    return column;
}

std::string formulaErrorText(std::string_view line, const FormulaError& error, MessageTranslation translate) {
    auto said = [translate](const char* pattern) {
        return translate ? translate(pattern) : std::string(pattern);
    };
    const std::string what = filledIn(said(formulaMessage(error.fault)), error.piece, {});
    const std::string column = std::to_string(formulaColumn(line, error.position));
    return filledIn(said(messages::formula::atCharacter), column, what);
}
