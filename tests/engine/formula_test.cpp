// SPDX-License-Identifier: GPL-3.0-or-later
// The formula line: what each text reads as (the boxes 追加 would have
// been given) or where and why it stops, and that writing the terms gives
// a line that reads back to them.
#include "formula.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "numbertext.h"

namespace {

// A term as its shape and the boxes that shape uses, as typed.
std::string described(const Term& t) {
    const TermBoxes& x = t.typed;
    const std::string inside = " a=" + x.a + " b=" + x.b + " n=" + x.n + " c=" + x.c;
    switch (t.shape) {
        case Shape::power: return "power b=" + x.b + " n=" + x.n;
        case Shape::exp: return "exp" + inside;
        case Shape::base: return "base m=" + x.m + inside;
        case Shape::log: return "log" + inside;
        case Shape::sin: return "sin" + inside;
        case Shape::cos: return "cos" + inside;
        case Shape::constant: return "constant k=" + x.k;
    }
    return "?";
}

std::vector<std::string> described(const FormulaRead& read) {
    std::vector<std::string> all;
    for (const FormulaTerm& t : read.terms) all.push_back(described(t.term));
    return all;
}

struct Reading {
    const char* text;
    std::vector<std::string> terms;
};

struct Refusal {
    const char* text;
    FormulaFault fault;
    std::size_t column;  // the character where reading stopped, from 1
    const char* piece;
};

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TEST(FormulaReading, TermsAreTheBoxesAUserWouldHaveTyped) {
    const Reading readings[] = {
        {"x^3 - 2x + 1", {"power b=1 n=3", "power b=-2 n=1", "constant k=1"}},
        {"", {}},
        {" \t ", {}},
        {"-x", {"power b=-1 n=1"}},
        {"X**-1 + x^0.5 + x^(2) + 3*x + 4･x + 5·X", {"power b=1 n=-1", "power b=1 n=0.5", "power b=1 n=2",
                                                     "power b=3 n=1", "power b=4 n=1", "power b=5 n=1"}},
        {"-.5x + 1.5E-3x^2 - 5.", {"power b=-.5 n=1", "power b=1.5E-3 n=2", "constant k=-5."}},
        {"x*2", {"power b=2 n=1"}},  // the coefficient may follow when it is multiplied
        {"+ 7", {"constant k=7"}},   // a plus is the term text's to write
        {"2e-3x", {"power b=2e-3 n=1"}},
        {"3sin(2x+1) - 0.5", {"sin a=3 b=2 n=1 c=1", "constant k=-0.5"}},
        {"2e^(x^2) - 10", {"exp a=2 b=1 n=2 c=", "constant k=-10"}},
        {"2E^(x) - exp(-x) + e^-x^2", {"exp a=2 b=1 n=1 c=", "exp a=-1 b=-1 n=1 c=", "exp a=1 b=-1 n=2 c="}},
        {"1.5*2^(x) - 6", {"base m=2 a=1.5 b=1 n=1 c=", "constant k=-6"}},
        {"-3^x + 2^(3)", {"base m=3 a=-1 b=1 n=1 c=", "base m=2 a=1 b=0 n=1 c=3"}},
        {"ln(x) + 4x - 3", {"log a=1 b=1 n=1 c=", "power b=4 n=1", "constant k=-3"}},
        {"LOG(x - 3) + cos(3 - 2*x) + Sin(-x^-1 + 0)",
         {"log a=1 b=1 n=1 c=-3", "cos a=1 b=-2 n=1 c=3", "sin a=1 b=-1 n=-1 c=0"}},
        {"exp(2) + sin(x^(2)*4)", {"exp a=1 b=0 n=1 c=2", "sin a=1 b=4 n=2 c="}},
        // The program's own term texts.
        {"3･X^(2)-3･X^(2)+5", {"power b=3 n=2", "power b=-3 n=2", "constant k=5"}},
        {"+2･exp(1･X^1)-1･Sin(2･X^1+1)+0.5･Log(3･X^1-1)-1･Cos(-2･X^-1-3)",
         {"exp a=2 b=1 n=1 c=", "sin a=-1 b=2 n=1 c=1", "log a=0.5 b=3 n=1 c=-1", "cos a=-1 b=-2 n=-1 c=-3"}},
        {"2･3^(4･X^2+5)", {"base m=3 a=2 b=4 n=2 c=5"}},
    };
    for (const Reading& r : readings) {
        const FormulaRead read = readFormula(r.text);
        EXPECT_TRUE(read) << r.text << ": stopped at " << read.error.position << " " << read.error.piece;
        EXPECT_EQ(described(read), r.terms) << r.text;
    }
}

// What keyboards, input methods and word processors give reads as the
// plain line it stands for, and the boxes hold the plain ASCII texts.
TEST(FormulaReading, TypedCharactersReadAsTheirPlainForms) {
    const struct {
        const char* typed;
        const char* plain;
    } cases[] = {
        {"ｘ＾２－２", "x^2-2"},
        {"３x", "3x"},
        {"１．５ｓｉｎ（２ｘ＋１）", "1.5sin(2x+1)"},
        {"Ｅ＾（Ｘ）＊＊", "E^(X)**"},  // a fault reads the same, too
        {"x　+\u00A01", "x + 1"},
        {"x − 1 ‐ 2 ‑ 3 ‒ 4 – 5 — 6 ― 7", "x - 1 - 2 - 3 - 4 - 5 - 6 - 7"},
        {"x ﹣ 1 － 2", "x - 1 - 2"},
        {"2×x + 3・x + 4･x + 5·x", "2*x + 3*x + 4*x + 5*x"},
        {"x² + x³ + x¹⁰ − x⁰ + x⁻¹ + 2x⁻⁴⁵⁶⁷⁸⁹", "x^2 + x^3 + x^10 - x^0 + x^-1 + 2x^-456789"},
        {"e^x²", "e^x^2"},
        {"1/x", "x^-1"},
        {"2/x^2 - 3/x^-2 + 4/(x^0.5) - 1/(x) + 5/x²", "2x^-2 - 3x^2 + 4x^-0.5 - x^-1 + 5x^-2"},
        {"2/x^+2 + 2/X**(-3)", "2x^-2 + 2x^3"},
        {"(-2)^(x) − 2(−0.5)^x + (0)^(x) + (+3)^(x)", "(-2)^(x) - 2*(-0.5)^(x) + (0)^(x) + 3^(x)"},
    };
    for (const auto& c : cases) {
        const FormulaRead typed = readFormula(c.typed), plain = readFormula(c.plain);
        EXPECT_EQ(static_cast<bool>(typed), static_cast<bool>(plain)) << c.typed;
        EXPECT_EQ(typed.error.fault, plain.error.fault) << c.typed;
        EXPECT_EQ(described(typed), described(plain)) << c.typed;
    }
    // Bytes of the line as typed: the second term begins at the − (bytes 4-6).
    const FormulaRead read = readFormula("３x − 1");
    ASSERT_EQ(read.terms.size(), 2u);
    EXPECT_EQ(read.terms[0].end, 4u);
    EXPECT_EQ(read.terms[1].begin, 5u);
    EXPECT_EQ(read.terms[1].end, 10u);
    EXPECT_EQ(read.terms[1].term.typed.k, "-1");
}

// A long piece is cut for the message, whatever the line's length.
TEST(FormulaReading, LongPiecesAreCut) {
    std::string line = "sin(";
    for (int i = 0; i < 20000; ++i) line += "(";
    const FormulaRead read = readFormula(line);
    EXPECT_EQ(read.error.fault, FormulaFault::insideNotLinear);
    EXPECT_EQ(read.error.piece, std::string(60, '(') + "…");
    EXPECT_EQ(formulaErrorText("x + tan(x)", readFormula("x + tan(x)").error), "5 文字目: 使えない名前です: tan");
    EXPECT_EQ(formulaErrorText("x^", readFormula("x^").error), "3 文字目: 式が途中で終わっています。");
}

TEST(FormulaReading, TermsHoldTheValuesAndPlacesOfAdding) {
    const FormulaRead read = readFormula("0.1x - 2sin(x)");
    ASSERT_TRUE(read);
    ASSERT_EQ(read.terms.size(), 2u);
    EXPECT_EQ(read.terms[0].term.b, 0.1f);
    EXPECT_EQ(read.terms[1].term.a, -2.0f);
    EXPECT_EQ(read.terms[1].term.b, 1.0f);
    EXPECT_EQ(read.terms[1].term.m, 0.0f);  // boxes the shape does not show are empty
    EXPECT_EQ(read.terms[1].begin, 5u);  // its sign
    EXPECT_EQ(read.terms[1].end, 14u);
}

TEST(FormulaReading, StopsAtTheFirstFaultAndSaysWhere) {
    const Refusal refusals[] = {
        {"x･sin(x)", FormulaFault::unsupportedTerm, 3, "x･sin(x)"},
        {"1 + x*x - 2", FormulaFault::unsupportedTerm, 7, "x*x"},
        {"2*3", FormulaFault::unsupportedTerm, 3, "2*3"},
        {"2 3", FormulaFault::unsupportedTerm, 3, "2 3"},
        {"x2", FormulaFault::unsupportedTerm, 2, "x2"},
        {"sin(x)^2", FormulaFault::unsupportedTerm, 7, "sin(x)^2"},
        {"2(x+1)", FormulaFault::unsupportedTerm, 2, "(x+1)"},
        {"e + 1", FormulaFault::unsupportedTerm, 1, "e"},
        {"x^(1/2)", FormulaFault::exponentNotNumber, 5, "(1/2)"},
        {"x^x", FormulaFault::exponentNotNumber, 3, "x"},
        {"x^2^3", FormulaFault::exponentNotNumber, 4, "2^3"},
        {"e^2x", FormulaFault::exponentNeedsBrackets, 4, "2x"},
        {"2^sin(x)", FormulaFault::exponentNeedsBrackets, 3, "sin(x)"},
        {"sin(x^2 + x)", FormulaFault::insideNotLinear, 11, "x^2 + x"},
        {"cos(1 + x + 2)", FormulaFault::insideNotLinear, 13, "1 + x + 2"},
        {"ln(sin(x))", FormulaFault::insideNotLinear, 4, "sin(x)"},
        {"sin x", FormulaFault::bracketNeeded, 5, "sin"},
        {"2 + sin(2x", FormulaFault::bracketNotClosed, 8, "sin(2x"},
        {"x^(2", FormulaFault::bracketNotClosed, 3, "(2"},
        {"x + 1)", FormulaFault::bracketNotOpened, 6, ")"},
        {"tan(x)", FormulaFault::unknownName, 1, "tan"},
        {"2sinx", FormulaFault::unknownName, 2, "sinx"},
        {"log10(x)", FormulaFault::unknownName, 1, "log10"},
        {"2Sin2(x)", FormulaFault::unknownName, 2, "Sin2"},
        {"x/2", FormulaFault::unsupportedTerm, 2, "x/2"},
        {"2/3", FormulaFault::unsupportedTerm, 3, "2/3"},
        {"1/sin(x)", FormulaFault::unsupportedTerm, 3, "1/sin(x)"},
        {"2/x/x", FormulaFault::unsupportedTerm, 4, "2/x/x"},
        {"2/(x^2", FormulaFault::bracketNotClosed, 3, "(x^2"},
        {"2/(2x)", FormulaFault::unsupportedTerm, 4, "2/(2x)"},
        {"sin(1/x)", FormulaFault::insideNotLinear, 6, "1/x"},
        {"(x)^(2)", FormulaFault::unsupportedTerm, 1, "(x)^(2)"},
        {"x²3", FormulaFault::unsupportedTerm, 3, "x²3"},  // no x^23
        {"2･*x", FormulaFault::termExpected, 3, "*"},    // no 2**x
        {"1 % x", FormulaFault::unexpectedCharacter, 3, "%"},
        // Pieces echo what was typed, with nothing raw that a terminal acts on.
        {"ｘ＋％", FormulaFault::unexpectedCharacter, 3, "％"},
        {"x − − 2", FormulaFault::twoSigns, 5, "− −"},
        {"x\u202E + 1", FormulaFault::unexpectedCharacter, 2, "\\u202E"},
        {"x + \x1b[2J", FormulaFault::unexpectedCharacter, 5, "\\x1B"},
        {"x + -2", FormulaFault::twoSigns, 5, "+ -"},
        {"x + * 2", FormulaFault::termExpected, 5, "*"},
        {"sin()", FormulaFault::termExpected, 5, ")"},
        {"x +", FormulaFault::unexpectedEnd, 4, ""},
        {"0^(x)", FormulaFault::baseNotPositive, 1, "0"},
        {"1e-50^(x)", FormulaFault::numberTooSmall, 1, "1e-50^(x)"},  // 0 as a 32-bit float
        {"x - 1e-50x", FormulaFault::numberTooSmall, 3, "1e-50x"},
        {"x + sin(1E-46x)", FormulaFault::numberTooSmall, 3, "sin(1E-46x)"},
        {"x + 1e39sin(x)", FormulaFault::numberTooLarge, 3, "1e39sin(x)"},
    };
    for (const Refusal& r : refusals) {
        const FormulaRead read = readFormula(r.text);
        EXPECT_FALSE(read) << r.text;
        EXPECT_TRUE(read.terms.empty()) << r.text;
        EXPECT_EQ(read.error.fault, r.fault) << r.text;
        EXPECT_EQ(formulaColumn(r.text, read.error.position), r.column) << r.text;
        EXPECT_EQ(read.error.piece, r.piece) << r.text;
        EXPECT_STRNE(formulaMessage(read.error.fault), "") << r.text;
    }
}

TEST(FormulaReading, TwentyTermsAtMost) {
    std::string line = "1";
    for (int i = 2; i <= 20; ++i) line += " + " + std::to_string(i) + "x";
    EXPECT_EQ(readFormula(line).terms.size(), 20u);
    const FormulaRead read = readFormula(line + " - 7");
    EXPECT_EQ(read.error.fault, FormulaFault::tooManyTerms);
    EXPECT_EQ(read.error.position, line.size() + 1);
    EXPECT_EQ(read.error.piece, "7");
}

TEST(FormulaWriting, NaturalLinesOfTheTypedNumbers) {
    const char* lines[] = {"x^3 - 2x + 1",        "3sin(2x + 1) - 0.5", "2exp(x^2) - 10", "1.5*2^(x) - 6",
                           "-2^(x - 1)",          "ln(x) + 4x - 3",     "-x^-1 + .5",     "cos(-x + 3) - exp(2)",
                           "1.5E-3x^2 - 0x + 5.", "",                   "(-2)^(x) - 0.5", "-3*(0)^(x^2 + 1)",
                           "x^-1 - x^-2"};
    for (const char* line : lines) EXPECT_EQ(writeFormula(readFormula(line).termList()), line);
    // Texts that are no plain number are written by their value.
    Term t = termFrom(Shape::power, {"", " 1 2", "2e", "", "", ""});
    EXPECT_EQ(writeFormula({t}), "12x^2");
    t = termFrom(Shape::constant, {"", "", "", "", "0.1abc", ""});
    EXPECT_EQ(writeFormula({t}), "0.1");
    // A base of 0 or below in brackets, or it would read as another F.
    t = termFrom(Shape::base, {"1", "1", "1", "", "", "-2"});
    EXPECT_EQ(writeFormula({t, termFrom(Shape::constant, {"", "", "", "", "-0.5", ""})}), "(-2)^(x) - 0.5");
    t = termFrom(Shape::base, {"2", "1", "1", "", "", "1e-400x"});  // a file's text that is 0
    EXPECT_EQ(writeFormula({t}), "2*(0)^(x)");
    // A typed plus inside a bracket is dropped, so the line writes back to itself.
    for (const char* a : {"+3", "+1"}) {
        const std::string line = writeFormula({termFrom(Shape::sin, {"1", "+2", "+1", "+1", "", ""}), termFrom(Shape::cos, {a, "+1", "1", "", "", ""})});
        EXPECT_EQ(writeFormula(readFormula(line).termList()), line);
    }
}

// Random tables of terms, typed as a user types boxes or as a file holds
// them, write to a line that reads back to the same shapes and 32-bit
// parameters in the same order.
TEST(FormulaWriting, WrittenLinesReadBackToTheSameTerms) {
    std::mt19937 random(20261207);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto digits = [&](int most) {
        std::string text = std::to_string(pick(10));
        for (int i = pick(most + 1); i > 0; --i) text += static_cast<char>('0' + pick(10));
        return text;
    };
    auto number = [&](bool positive) {
        std::string text;
        switch (pick(8)) {
            case 0: text = digits(3); break;
            case 1: text = digits(2) + "." + digits(6); break;
            case 2: text = "." + digits(4); break;
            case 3: text = digits(0) + "." + digits(3) + (pick(2) ? "E" : "e") + (pick(2) ? "-" : "+") + digits(1);
                break;
            case 4: text = digits(1) + "."; break;
            case 5: text = "0"; break;
            case 6: text = digits(0) + "e" + std::to_string(pick(60) - 30); break;
            // About the smallest floats: subnormal ones stay, smaller ones are refused.
            default: text = digits(1) + "e-" + std::to_string(36 + pick(12)); break;
        }
        if (!positive && pick(2)) text = "-" + text;
        if (!positive && pick(20) == 0) text = "+" + text;
        // Now and then a text that is no plain number: written by its value.
        if (pick(30) == 0) text = (pick(2) ? " " : "") + text + (pick(2) ? "x" : " 5");
        return text;
    };
    auto maybe = [&](bool positive) { return pick(6) == 0 ? std::string() : number(positive); };
    int tables = 0;
    while (tables < 10000) {
        std::vector<Term> terms;
        bool refused = false;
        for (int i = pick(21); i > 0; --i) {
            const int code = 1 + pick(7);
            TermBoxes boxes;
            if (code == 1) {
                boxes.b = number(false);
                boxes.n = maybe(false);
            } else if (code == 7) {
                boxes.k = number(false);
            } else {
                boxes.a = number(false);
                boxes.b = maybe(false);
                boxes.n = maybe(false);
                boxes.c = maybe(false);
                // A file may hold any base, 0 and below included.
                if (code == 3) boxes.m = pick(5) == 0 ? (pick(2) ? "0" : "-0") : number(false);
            }
            if (termRefusal(code, boxes, static_cast<int>(terms.size()))) refused = true;
            Shape shape;
            shapeOf(code, shape);
            terms.push_back(termFrom(shape, boxes));
        }
        if (refused) continue;
        ++tables;
        const std::string line = writeFormula(terms);
        const FormulaRead read = readFormula(line);
        ASSERT_TRUE(read) << line << ": stopped at " << read.error.position;
        ASSERT_EQ(read.terms.size(), terms.size()) << line;
        for (std::size_t i = 0; i < terms.size(); ++i) {
            const Term& was = terms[i];
            const Term& is = read.terms[i].term;
            ASSERT_EQ(is.shape, was.shape) << line << " term " << i;
            for (auto column : {&Term::a, &Term::b, &Term::n, &Term::m, &Term::c, &Term::k})
                ASSERT_TRUE(sameBits(is.*column, was.*column)) << line << " term " << i << ": " << is.*column
                                                                << " for " << was.*column;
        }
    }
}
