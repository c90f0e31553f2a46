// SPDX-License-Identifier: GPL-3.0-or-later
#include "termtext.h"

#include "numbertext.h"
#include "shapes.h"

namespace {

// "･" (U+FF65), the separator inside term texts.
constexpr const char* dot = "\xEF\xBD\xA5";

bool startsWith(const std::string& text, char c) { return !text.empty() && text.front() == c; }

std::string aPart(const std::string& a, bool firstTerm) {
    if (firstTerm || startsWith(a, '+') || startsWith(a, '-')) return a;
    return "+" + a;
}

// Only a later power term needs a sign of its own before b: the other
// shapes carry theirs in the a-part, and b sits inside their brackets.
std::string powerB(const std::string& b, bool firstTerm) {
    if (firstTerm) return b;
    return readNumber(b) >= 0 ? "+" + b : b;
}

// The sign test uses the stored 32-bit value, the zero test the double: a
// c that rounds to 0 as a float but is not 0 is still written.
std::string cPart(const std::string& c) {
    if (toSingle(readNumber(c)) > 0) return startsWith(c, '+') ? c : "+" + c;
    return readNumber(c) != 0 ? c : std::string();
}

std::string kPart(const std::string& k) { return toSingle(readNumber(k)) > 0 ? "+" + k : k; }

std::string bracketTerm(const std::string& function, bool firstTerm, const TermBoxes& boxes) {
    return aPart(boxes.a, firstTerm) + dot + function + "(" + boxes.b + dot + "X^" + boxes.n + cPart(boxes.c) +
           ")";
}

}  // namespace

std::string termText(int shape, bool firstTerm, const TermBoxes& boxes) {
    Shape known;
    if (!shapeOf(shape, known)) return {};
    const ShapeRule& rule = shapeRule(known);
    switch (rule.form) {
        case TextForm::power: return powerB(boxes.b, firstTerm) + dot + "X^(" + boxes.n + ")";
        case TextForm::bracketed:
            return bracketTerm(rule.function ? std::string(rule.function) : boxes.m + "^", firstTerm, boxes);
        case TextForm::constant: return kPart(boxes.k);
    }
    return {};
}

std::string listEntry(const std::string& termText) {
    return startsWith(termText, '+') ? termText.substr(1) : termText;
}

std::string formulaFromTerms(const std::vector<std::string>& termTexts) {
    std::string formula = "F(x)=";
    for (const std::string& text : termTexts) formula += text;
    return formula;
}

std::string formulaFromList(const std::vector<std::string>& entries) {
    std::string formula = "F(x)=";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0 && !startsWith(entries[i], '-')) formula += "+";
        formula += entries[i];
    }
    return formula;
}
