// SPDX-License-Identifier: GPL-3.0-or-later
// F as one line of text, the second way to enter it beside the shapes and
// their boxes: "x^3 - 2x + 1", "3sin(2x+1) - 0.5", "1.5*2^(x) - 6".
// Reading turns each written term into the boxes a user would have typed
// for it, so that the terms are made exactly as 追加 makes them; it never
// guesses, and the first fault ends it. It takes what keyboards and word
// processors give: full-width forms, − and other dashes, × and ・, x² and
// x⁻¹, a/x^n. Writing gives a line that reads back to the same terms.
// Pure functions, no Qt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "term.h"

enum class FormulaFault {
    none,
    unexpectedCharacter,    // a character the line has no use for: "%", "{"
    unknownName,            // letters other than x, e and the shapes' names: tan, log10
    termExpected,           // an operator or a bracket where a term must begin
    unexpectedEnd,          // the line ends after "+", "*", "^" or "sin"
    twoSigns,               // "x + -2": one sign per term
    unsupportedTerm,        // a product the shapes cannot hold: x･sin(x), 2*3, x/2
    exponentNotNumber,      // x^(1/2), x^x: the power of x is a number
    exponentNeedsBrackets,  // e^2x: which of e^(2x) and e^2･x was meant?
    bracketNeeded,          // sin x
    bracketNotClosed,
    bracketNotOpened,
    insideNotLinear,  // sin(x^2 + x): a bracket holds b･x^n + c only
    baseNotPositive,  // 0^(x): a base of 0 or below is written (0)^(x)
    numberTooLarge,   // refused as 追加 refuses it
    numberTooSmall,   // 1e-50: not 0, but 0 as a 32-bit float
    tooManyTerms,
};

// One written term: its shape and the boxes as a user would have typed
// them (the number texts in plain ASCII, the sign of the term joined to its
// coefficient), where it stands in the line (bytes), and the term 追加
// makes of it.
struct FormulaTerm {
    Term term;
    std::size_t begin = 0, end = 0;
};

// Where reading stopped (a byte offset into the line) and the piece of the
// line that is at fault as a message shows it: control and direction
// characters escaped, cut with "…" after about 60 characters.
struct FormulaError {
    FormulaFault fault = FormulaFault::none;
    std::size_t position = 0;
    std::string piece;
};

struct FormulaRead {
    std::vector<FormulaTerm> terms;
    FormulaError error;
    explicit operator bool() const { return error.fault == FormulaFault::none; }
    std::vector<Term> termList() const;
};

// The terms of a line, or its first fault. An empty line has no terms. The
// checks of 追加 run on every term, each as if the ones before it were in
// the table, so a line that reads can always be applied.
FormulaRead readFormula(std::string_view text);

// The line that reads back to these terms: the same shapes in the same
// order with the same 32-bit parameters. Numbers are written as typed
// where the typed text is a plain number of that value.
std::string writeFormula(const std::vector<Term>& terms);

// The message of a fault (messages.h), "%1" standing for the piece where
// the message shows it.
const char* formulaMessage(FormulaFault fault);

// The character (1 for the first) at a byte offset of a UTF-8 line.
std::size_t formulaColumn(std::string_view text, std::size_t position);

// The language's text of a message of messages.h.
using MessageTranslation = std::string (*)(const std::string& pattern);

// What a fault says where it is shown, "12 文字目: 使えない名前です: log10",
// each message through `translate`, as written without one.
std::string formulaErrorText(std::string_view line, const FormulaError& error,
                             MessageTranslation translate = nullptr);
