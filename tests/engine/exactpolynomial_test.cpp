// SPDX-License-Identifier: GPL-3.0-or-later
#include "exactpolynomial.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// A power term b·x^n, or a constant k when n is NaN.
struct P {
    float b;
    float n = NAN;
};

core::Formula formulaOf(const std::vector<P>& terms) {
    core::Formula f;
    for (const P& t : terms) {
        const int s = ++f.count;
        f.shape[s] = static_cast<std::int16_t>(std::isnan(t.n) ? 7 : 1);
        (std::isnan(t.n) ? f.k[s] : f.b[s]) = t.b;
        f.n[s] = std::isnan(t.n) ? 0 : t.n;
    }
    return f;
}

// The sign of F at x in 4000-bit arithmetic, apart from the code under test.
int signAt(const std::vector<P>& terms, double x) {
    mpfr_t sum, t, xv;
    mpfr_inits2(4000, sum, t, xv, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_zero(sum, 1);
    mpfr_set_d(xv, x, MPFR_RNDN);
    for (const P& p : terms) {
        if (std::isnan(p.n)) {
            mpfr_set_flt(t, p.b, MPFR_RNDN);
        } else {
            mpfr_pow_si(t, xv, static_cast<long>(p.n), MPFR_RNDN);
            mpfr_mul_d(t, t, p.b, MPFR_RNDN);
        }
        mpfr_add(sum, sum, t, MPFR_RNDN);
    }
    const int s = mpfr_sgn(sum);
    mpfr_clears(sum, t, xv, static_cast<mpfr_ptr>(nullptr));
    return s;
}

struct Expected {
    double root;  // exactly, or a value the enclosure must hold
    int multiplicity;
};

}  // namespace

TEST(ExactPolynomial, EveryRootWithItsMultiplicity) {
    const struct {
        const char* name;
        std::vector<P> terms;
        double lo, hi;
        std::vector<Expected> roots;
        bool pole = false, noValue = false;
    } cases[] = {
        {"(x - 1)^4 written out", {{1, 4}, {-4, 3}, {6, 2}, {-4, 1}, {1}}, 0, 3, {{1, 4}}},
        {"(x - 0.25)^3 written out", {{1, 3}, {-0.75f, 2}, {0.1875f, 1}, {-0.015625f}}, -1, 1, {{0.25, 3}}},
        {"1/x - 1/x^3: a pole between simple roots", {{1, -1}, {-1, -3}}, -2, 2, {{-1, 1}, {1, 1}}, true, true},
        {"x^-2 - 2x^-1 + 1: a double root beside the pole", {{1, -2}, {-2, -1}, {1}}, -1, 3, {{1, 2}}, true, true},
        {"0/x + x: no value at 0, so no root there", {{0, -1}, {1, 1}}, -1, 1, {}, false, true},
        {"x^2 - 1: roots at both ends", {{1, 2}, {-1}}, -1, 1, {{-1, 1}, {1, 1}}},
        {"x^2 - 4: roots outside are left out", {{1, 2}, {-4}}, -1, 1, {}},
        {"x^2 - 2 on [0, 3]", {{1, 2}, {-2}}, 0, 3, {{std::sqrt(2.0), 1}}},
        {"3x + 0.1 - 0.1", {{3, 1}, {0.1f}, {-0.1f}}, -1, 1, {{0, 1}}},
        {"x^3 + 2x^2 + 0.5 - 0.5", {{1, 3}, {2, 2}, {0.5f}, {-0.5f}}, -3, 1, {{-2, 1}, {0, 2}}},
        {"x^5 - 1e-30x: roots of very different sizes", {{1, 5}, {-1e-30f, 1}}, -1, 1,
         {{-std::pow(double(1e-30f), 0.25), 1}, {0, 1}, {std::pow(double(1e-30f), 0.25), 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto a = core::exact::analyse(formulaOf(c.terms), c.lo, c.hi);
        ASSERT_TRUE(a.has_value());
        EXPECT_FALSE(a->zeroEverywhere);
        EXPECT_EQ(a->poleAtZero, c.pole);
        EXPECT_EQ(a->noValueAtZero, c.noValue);
        ASSERT_EQ(a->roots.size(), c.roots.size());
        for (std::size_t i = 0; i < c.roots.size(); ++i) {
            const core::exact::Root& r = a->roots[i];
            EXPECT_EQ(r.multiplicity, c.roots[i].multiplicity) << i;
            EXPECT_LE(r.lo, c.roots[i].root) << i;
            EXPECT_GE(r.hi, c.roots[i].root) << i;
            EXPECT_LE(r.hi, std::nextafter(r.lo, HUGE_VAL)) << i;
            if (r.lo == r.hi) {
                EXPECT_EQ(signAt(c.terms, r.lo), 0) << i;
            } else if (r.multiplicity % 2 == 1) {
                EXPECT_EQ(signAt(c.terms, r.lo) * signAt(c.terms, r.hi), -1) << i;
            }
        }
    }
}

TEST(ExactPolynomial, ZeroEverywhereAndWhatItLeavesAlone) {
    const core::Formula xMinusX = formulaOf({{1, 1}, {-1, 1}});
    const auto zero = core::exact::analyse(xMinusX, -1e308, 1e308);
    ASSERT_TRUE(zero.has_value());
    EXPECT_TRUE(zero->zeroEverywhere);
    EXPECT_TRUE(zero->roots.empty());
    const auto cancelled = core::exact::analyse(formulaOf({{3, -3}, {-3, -3}}), 2, 3);
    ASSERT_TRUE(cancelled.has_value());
    EXPECT_TRUE(cancelled->zeroEverywhere);
    // 3/x^3 - 3/x^3 has no value at 0: not "zero everywhere" on a range holding it.
    EXPECT_FALSE(core::exact::analyse(formulaOf({{3, -3}, {-3, -3}}), -1, 1).has_value());
    EXPECT_FALSE(core::exact::analyse(formulaOf({{1, 0.5f}, {-1}}), 0, 2).has_value());
    EXPECT_FALSE(core::exact::analyse(formulaOf({{1, 65}, {-1}}), 0, 2).has_value());
    core::Formula sine = xMinusX;
    sine.shape[1] = 5;
    sine.a[1] = 1;
    EXPECT_FALSE(core::exact::analyse(sine, 0, 2).has_value());
}

// Terms of other shapes that are exactly a constant with a value everywhere
// join the polynomial; those that are not keep F to the general analysis.
TEST(ExactPolynomial, ExactConstantsOfOtherShapes) {
    struct Term {
        int shape;
        float a, b, n, m, c;
    };
    const struct {
        const char* name;
        Term other;
        bool polynomial;
        int multiplicity;  // of the root 0 of 3x^2 + the term (+ k)
        float k = 0;
    } cases[] = {
        {"0·cos(0.1x + 1.2)", {6, 0, 0.1f, 1, 0, 1.2f}, true, 2},
        {"-3·sin(0·x^0 + 0)", {5, -3, 0, 0, 0, 0}, true, 2},
        {"2·cos(x^0 - 1) - 2", {6, 2, 1, 0, 0, -1}, true, 2, -2},
        {"5·ln(0·x + 1)", {4, 5, 0, 1, 0, 1}, true, 2},
        {"4·2^(0·x^2) - 4", {3, 4, 0, 2, 2, 0}, true, 2, -4},
        {"0·exp(x^-1): no value at 0", {2, 0, 1, -1, 0, 0}, false, 0},
        {"0·ln(0·x - 1): no value anywhere", {4, 0, 0, 1, 0, -1}, false, 0},
        {"0·ln(x)", {4, 0, 1, 1, 0, 0}, false, 0},
        {"2·exp(0·x + 1.5): not a rational", {2, 2, 0, 1, 0, 1.5f}, false, 0},
        {"0·(-2)^x", {3, 0, 1, 1, -2, 0}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        core::Formula f = formulaOf({{3, 2}});
        const int s = ++f.count;
        f.shape[s] = static_cast<std::int16_t>(c.other.shape);
        f.a[s] = c.other.a, f.b[s] = c.other.b, f.n[s] = c.other.n, f.m[s] = c.other.m, f.c[s] = c.other.c;
        if (c.k != 0) {
            const int t = ++f.count;
            f.shape[t] = 7;
            f.k[t] = c.k;
        }
        const auto a = core::exact::analyse(f, -1, 1);
        ASSERT_EQ(a.has_value(), c.polynomial);
        if (!a) continue;
        ASSERT_EQ(a->roots.size(), 1u);
        EXPECT_EQ(a->roots[0].lo, 0);
        EXPECT_EQ(a->roots[0].multiplicity, c.multiplicity);
    }
}

// √2 rounded by MPFR at 4000 bits: 0.digits × 10^1.
std::string sqrtTwo(int sign, int digits) {
    mpfr_t r;
    mpfr_init2(r, 4000);
    mpfr_sqrt_ui(r, 2, MPFR_RNDN);
    mpfr_mul_si(r, r, sign, MPFR_RNDN);
    mpfr_exp_t e = 0;
    char* raw = mpfr_get_str(nullptr, &e, 10, static_cast<std::size_t>(digits), r, MPFR_RNDN);
    std::string s(raw);
    mpfr_free_str(raw);
    mpfr_clear(r);
    return s;
}

// Digits on request, simple and touching roots alike.
TEST(ExactPolynomial, DigitsRoundedToNearest) {
    const core::Formula simple = formulaOf({{1, 2}, {-2}}), touching = formulaOf({{1, 4}, {-4, 2}, {4}});
    for (int digits : {1, 17, 50, 1000}) {
        SCOPED_TRACE(digits);
        const auto s = core::exact::analyse(simple, -2, 2, digits);
        const auto t = core::exact::analyse(touching, -2, 2, digits);
        ASSERT_TRUE(s && t);
        ASSERT_EQ(s->roots.size(), 2u);
        ASSERT_EQ(t->roots.size(), 2u);
        EXPECT_EQ(s->roots[0].digits, (core::exact::Decimal{sqrtTwo(-1, digits), 1}));
        EXPECT_EQ(s->roots[1].digits, (core::exact::Decimal{sqrtTwo(1, digits), 1}));
        EXPECT_EQ(t->roots[1].digits, (core::exact::Decimal{sqrtTwo(1, digits), 1}));
        EXPECT_EQ(t->roots[1].multiplicity, 2);
    }
    const auto quarter = core::exact::analyse(formulaOf({{1, 1}, {-0.25f}}), 0, 1, 3);
    EXPECT_EQ(quarter->roots.at(0).digits, (core::exact::Decimal{"250", 0}));
    // A touching root has no sign change to narrow: its digits still come out right.
    const core::Certified c = core::certify(touching, {0, 2});
    ASSERT_EQ(c.findings.size(), 1u);
    EXPECT_EQ(core::rootDigits(touching, c.findings[0], 40), sqrtTwo(1, 40).insert(1, "."));
}
