// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numbertext.h"

TEST(GeneralNumberText, PrecisionTextsArePlainPowersOfTen) {
    const char* expected[] = {"0.01",  "0.001", "0.0001", "1E-05", "1E-06", "1E-07", "1E-08",
                              "1E-09", "1E-10", "1E-11",  "1E-12", "1E-13", "1E-14", "1E-15",
                              "1E-16", "1E-17", "1E-18",  "1E-19", "1E-20", "1E-21"};
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(generalNumberText(0.1 / std::pow(10.0, k)), expected[k - 1]) << "k = " << k;
    }
}

TEST(GeneralNumberText, FifteenSignificantDigits) {
    EXPECT_EQ(generalNumberText(static_cast<double>(0.1f)), "0.100000001490116");
    EXPECT_EQ(generalNumberText(0.010000000000000002), "0.01");
    EXPECT_EQ(generalNumberText(-1.4142136), "-1.4142136");
    EXPECT_EQ(generalNumberText(99.9999999999996), "99.9999999999996");
    EXPECT_EQ(generalNumberText(10.200000000000001), "10.2");
    EXPECT_EQ(generalNumberText(1.0 / 3), "0.333333333333333");
}

TEST(GeneralNumberText, PlainAndExponentRanges) {
    EXPECT_EQ(generalNumberText(1e20), "1E+20");
    EXPECT_EQ(generalNumberText(1e15), "1E+15");
    EXPECT_EQ(generalNumberText(999999999999999.0), "999999999999999");
    EXPECT_EQ(generalNumberText(0.0001), "0.0001");
    EXPECT_EQ(generalNumberText(0.00001234), "1.234E-05");
    EXPECT_EQ(generalNumberText(1e-100), "1E-100");
    EXPECT_EQ(generalNumberText(-2.5e300), "-2.5E+300");
    EXPECT_EQ(generalNumberText(10000), "10000");
    EXPECT_EQ(generalNumberText(13), "13");
}

TEST(GeneralNumberText, LeadingZeroAndSigns) {
    EXPECT_EQ(generalNumberText(0.5), "0.5");
    EXPECT_EQ(generalNumberText(-0.5), "-0.5");
    EXPECT_EQ(generalNumberText(0.0), "0");
    EXPECT_EQ(generalNumberText(-0.0), "0");
}

TEST(SignedNumberText, BlankBeforeZeroAndPositive) {
    EXPECT_EQ(signedNumberText(0), " 0");
    EXPECT_EQ(signedNumberText(-0.0), " 0");
    EXPECT_EQ(signedNumberText(0.1), " 0.1");
    EXPECT_EQ(signedNumberText(1.0), " 1");
    EXPECT_EQ(signedNumberText(-2.5), "-2.5");
    EXPECT_EQ(signedNumberText(0.010000000000000002), " 0.01");
}

TEST(ReadNumber, LongestLeadingNumber) {
    EXPECT_EQ(readNumber("  0.5abc"), 0.5);
    EXPECT_EQ(readNumber("+3"), 3);
    EXPECT_EQ(readNumber("1e-3x"), 0.001);
    EXPECT_EQ(readNumber("1.2.3"), 1.2);
    EXPECT_EQ(readNumber("0.5x7"), 0.5);
    EXPECT_EQ(readNumber("-1.4142136"), -1.4142136);
    EXPECT_EQ(readNumber("2E+3"), 2000);
    EXPECT_EQ(readNumber(".5"), 0.5);
    EXPECT_EQ(readNumber("5."), 5);
    EXPECT_EQ(readNumber("0.1"), 0.1);
}

TEST(ReadNumber, BlanksTabsAndLineFeedsAreSkippedEverywhere) {
    EXPECT_EQ(readNumber("1 2"), 12);
    EXPECT_EQ(readNumber("- 5"), -5);
    EXPECT_EQ(readNumber("0.5 7"), 0.57);
    EXPECT_EQ(readNumber("\t1\n2"), 12);
    EXPECT_EQ(readNumber("1 e 2"), 100);
    // A carriage return and a full-width blank end the number.
    EXPECT_EQ(readNumber("1\r2"), 1);
    EXPECT_EQ(readNumber("1\u30002"), 1);
}

TEST(ReadNumber, TextsWithoutANumberReadZero) {
    EXPECT_EQ(readNumber(""), 0);
    EXPECT_EQ(readNumber("abc"), 0);
    EXPECT_EQ(readNumber("-"), 0);
    EXPECT_EQ(readNumber("."), 0);
    EXPECT_EQ(readNumber("+"), 0);
    EXPECT_EQ(readNumber("   "), 0);
    EXPECT_EQ(readNumber("\uff13"), 0);  // a full-width digit is no digit
}

TEST(ReadNumber, ExponentNeedsADigit) {
    EXPECT_EQ(readNumber("1e"), 1);
    EXPECT_EQ(readNumber("1e+"), 1);
    EXPECT_EQ(readNumber("1E-"), 1);
    EXPECT_EQ(readNumber("1ex"), 1);
}

TEST(ReadNumber, ExtremeMagnitudes) {
    EXPECT_EQ(readNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber("1e-999"), 0);
    EXPECT_EQ(readNumber("1e-320"), 1e-320);
    EXPECT_EQ(readNumber("-1e308"), -1e308);
}

TEST(ReadNumber, GeneralTextReadsBackToFifteenDigits) {
    const double values[] = {0.1, -1.4142135623730951, 1e-21, 123456.789012345678, 1e300, -7.5e-300};
    for (double v : values) {
        const double back = readNumber(generalNumberText(v));
        EXPECT_EQ(generalNumberText(back), generalNumberText(v));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
    }
}

TEST(IntFunction, RoundsTowardsMinusInfinity) {
    EXPECT_EQ(Int(1.9), 1);
    EXPECT_EQ(Int(-1.1), -2);
    EXPECT_EQ(Int(-2.0), -2);
    EXPECT_EQ(Int(0.0), 0);
}

TEST(ToSingle, RoundsLikeTheHardwareAndNeverOverflowsUndefined) {
    EXPECT_EQ(toSingle(0.1), 0.1f);
    EXPECT_EQ(toSingle(3.4028234663852886e38), std::numeric_limits<float>::max());
    EXPECT_EQ(toSingle(1e39), std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(-1e300), -std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(toSingle(std::nan(""))));
    EXPECT_TRUE(fitsSingle(1e38));
    EXPECT_FALSE(fitsSingle(1e39));
    EXPECT_FALSE(fitsSingle(std::numeric_limits<double>::infinity()));
}

// The one grammar of a number, which the boxes and the formula line share.
TEST(NumberLength, LongestLeadingNumber) {
    const struct {
        const char* text;
        std::size_t length;
    } cases[] = {{"12.5x", 4}, {"-.5", 3}, {"5.", 2}, {"1.2.3", 3}, {"2e^(x)", 1}, {"2e-3x", 4}, {"2E+", 1},
                 {"+", 0},     {".", 0},   {"x1", 0}, {"", 0},       {"1e5e5", 3}};
    for (const auto& c : cases) EXPECT_EQ(numberLength(c.text), c.length) << c.text;
}

TEST(TooSmallForSingle, NotZeroAsTypedButZeroAsAFloat) {
    const struct {
        const char* text;
        bool tooSmall;
    } cases[] = {{"1e-50", true},  {"-1E-46", true}, {"1e-400", true},  {" 1 e-50", true}, {"0.000e-50", false},
                 {"0", false},     {"-0", false},    {"", false},       {"abc", false},    {"1e-45", false},
                 {"1e-40", false}, {"1", false},     {"1e-50x", true},  {"0.0001e-42", true}};
    for (const auto& c : cases) EXPECT_EQ(tooSmallForSingle(c.text), c.tooSmall) << c.text;
}
