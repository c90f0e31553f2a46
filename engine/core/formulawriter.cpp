// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the formula line: the terms as a line that reads back to them,
// with the numbers as typed wherever the typed text is a plain number of
// the same 32-bit value.
#include <charconv>
#include <cstring>

#include "formula.h"
#include "numbertext.h"

namespace {

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A sign and a number as the line reads it, nothing else.
bool isPlainNumber(std::string_view text) { return !text.empty() && numberLength(text) == text.size(); }

template <class Number>
std::string shortest(Number value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The text of a parameter: as it was typed when that is a plain number of
// the same 32-bit value; else the fewest digits that read back to it,
// through the double a box reads first.
std::string numberText(float value, const std::string& typed) {
    if (isPlainNumber(typed) && sameBits(toSingle(readNumber(typed)), value)) return typed;
    const std::string text = shortest(value);
    if (sameBits(toSingle(readNumber(text)), value)) return text;
    return shortest(static_cast<double>(value));
}

std::string powerOfX(float n, const std::string& typed) {
    const std::string exponent = numberText(n, typed);
    return exponent == "1" ? "x" : "x^" + exponent;
}

// A factor's coefficient: nothing for 1, "-" for -1. A typed plus is
// dropped, as reading drops it, so the line writes back to itself.
std::string coefficientBefore(const std::string& typed) {
    const std::string number = typed[0] == '+' ? typed.substr(1) : typed;
    if (number == "1") return "";
    if (number == "-1") return "-";
    return number;
}

// "+ 2" or "- 2" after something, from a signed text.
std::string joined(const std::string& number) {
    if (!number.empty() && number[0] == '-') return " - " + number.substr(1);
    return " + " + (!number.empty() && number[0] == '+' ? number.substr(1) : number);
}

std::string insideText(const Term& t) {
    const std::string c = numberText(t.c, t.typed.c);
    // A bracket without x is read as b = 0 and n = 1.
    if (sameBits(t.b, 0.0f) && sameBits(t.n, 1.0f)) return c;
    std::string text = coefficientBefore(numberText(t.b, t.typed.b)) + powerOfX(t.n, t.typed.n);
    if (!sameBits(t.c, 0.0f)) text += joined(c);
    return text;
}

// m^(…); a base of 0 or below in brackets, since -2^(x) reads as -(2^x).
std::string powerOfBase(const Term& t) {
    std::string m = numberText(t.m, t.typed.m);
    if (m[0] == '+') m.erase(0, 1);
    if (!(t.m > 0)) m = "(" + m + ")";
    return m + "^(" + insideText(t) + ")";
}

// A term with its own sign, as it stands first in a line.
std::string termLine(const Term& t) {
    const ShapeRule& rule = shapeRule(t.shape);
    switch (rule.form) {
        case TextForm::power: return coefficientBefore(numberText(t.b, t.typed.b)) + powerOfX(t.n, t.typed.n);
        case TextForm::constant: return numberText(t.k, t.typed.k);
        case TextForm::bracketed: break;
    }
    std::string number = coefficientBefore(numberText(t.a, t.typed.a));
    if (rule.lineName) return number + rule.lineName + "(" + insideText(t) + ")";
    // A coefficient runs into a name, but not into the number m.
    if (!number.empty() && number != "-") number += "*";
    return number + powerOfBase(t);
}

}  // namespace

std::string writeFormula(const std::vector<Term>& terms) {
    std::string line;
    for (const Term& t : terms) {
        std::string term = termLine(t);
        if (line.empty()) {
            if (!term.empty() && term[0] == '+') term.erase(0, 1);
            line = term;
        } else {
            line += joined(term);
        }
    }
    return line;
}
