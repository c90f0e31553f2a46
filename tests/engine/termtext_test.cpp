// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that turn the boxes as typed into term texts and formulas.
#include "termtext.h"

#include <gtest/gtest.h>

namespace {

TermBoxes power(const char* b, const char* n) { return {"", b, n, "", "", ""}; }
TermBoxes bracketed(const char* a, const char* b, const char* n, const char* c) {
    return {a, b, n, c, "", ""};
}
TermBoxes constant(const char* k) { return {"", "", "", "", k, ""}; }

}  // namespace

TEST(TermText, PowerTermSignsOnlyLaterTerms) {
    EXPECT_EQ(termText(1, true, power("-3", "2")), "-3･X^(2)");
    EXPECT_EQ(termText(1, false, power("3", "2")), "+3･X^(2)");
    EXPECT_EQ(termText(1, false, power("0", "")), "+0･X^()");  // 0 counts as 0 or more
    EXPECT_EQ(termText(1, false, power("abc", "x")), "+abc･X^(x)");  // no number reads 0
    EXPECT_EQ(termText(1, false, power(" ", "2")), "+ ･X^(2)");
    // The sign test reads the text as a double: a tiny negative stays unsigned.
    EXPECT_EQ(termText(1, false, power("-1e-50", "1")), "-1e-50･X^(1)");
}

TEST(TermText, BracketedShapesWriteTheirFunction) {
    EXPECT_EQ(termText(2, true, bracketed("2", "1", "1", "0")), "2･exp(1･X^1)");
    EXPECT_EQ(termText(2, false, bracketed("+2", "-1", "3", "")), "+2･exp(-1･X^3)");
    EXPECT_EQ(termText(4, true, bracketed("1", "1", "1", "-1")), "1･Log(1･X^1-1)");
    EXPECT_EQ(termText(4, true, bracketed("1", "1", "1", "+1")), "1･Log(1･X^1+1)");
    EXPECT_EQ(termText(5, false, bracketed("2", "", "", "")), "+2･Sin(･X^)");
    EXPECT_EQ(termText(6, true, bracketed("a", "b", "n", "0.0")), "a･Cos(b･X^n)");
    TermBoxes base = bracketed("2", "4", "2", "5");
    base.m = "3";
    EXPECT_EQ(termText(3, true, base), "2･3^(4･X^2+5)");
}

TEST(TermText, CPartTestsTheFloatForTheSignAndTheDoubleForZero) {
    // 1e-50 is 0 as a 32-bit float, so it gets no plus, but it is not 0.
    EXPECT_EQ(termText(5, true, bracketed("1", "1", "1", "1e-50")), "1･Sin(1･X^11e-50)");
    EXPECT_EQ(termText(5, true, bracketed("1", "1", "1", "-0")), "1･Sin(1･X^1)");
    EXPECT_EQ(termText(5, true, bracketed("1", "1", "1", "abc")), "1･Sin(1･X^1)");
}

TEST(TermText, ConstantAlwaysCarriesItsPlus) {
    EXPECT_EQ(termText(7, true, constant("5")), "+5");
    EXPECT_EQ(termText(7, false, constant("5")), "+5");
    EXPECT_EQ(termText(7, false, constant("0")), "0");
    EXPECT_EQ(termText(7, false, constant("-2")), "-2");
    EXPECT_EQ(termText(7, false, constant("1e-50")), "1e-50");  // 0 as a float
    EXPECT_EQ(termText(0, true, constant("5")), "");
}

TEST(TermText, ListEntriesAndFormulas) {
    EXPECT_EQ(listEntry("++3･X^(2)"), "+3･X^(2)");
    EXPECT_EQ(listEntry("-3･X^(2)"), "-3･X^(2)");
    EXPECT_EQ(listEntry(""), "");
    EXPECT_EQ(formulaFromTerms({}), "F(x)=");
    EXPECT_EQ(formulaFromList({"3･X^(2)", "-1･exp(2･X^1)", "0"}), "F(x)=3･X^(2)-1･exp(2･X^1)+0");
    EXPECT_EQ(formulaFromList({"-5", "+3･X^(2)"}), "F(x)=-5++3･X^(2)");
    EXPECT_EQ(formulaFromList({}), "F(x)=");
}
