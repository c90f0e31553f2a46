// SPDX-License-Identifier: GPL-3.0-or-later
// The exact path of the certified analysis: where F is a polynomial in x
// and 1/x (power terms with integer exponents, and constants), its
// coefficients are exact rationals, since every parameter is a 32-bit float.
// Its real roots are then found exactly, touching ones and their
// multiplicities included, which no evaluation over stretches can prove.
// Used by the certified analysis only.
#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "certified.h"
#include "core.h"

namespace core::exact {

// A decimal number rounded to some significant digits: 0.d1d2... × 10^exponent,
// the sign before the digits; no digits when none were asked for or they
// could not be proved.
struct Decimal {
    std::string digits;
    long exponent = 0;
    bool operator==(const Decimal&) const = default;
};

struct Root {
    double lo = 0, hi = 0;  // neighbouring doubles around the root, or lo == hi: the root itself
    int multiplicity = 1;
    Decimal digits;  // the root rounded to nearest at the requested digits
};

struct Analysis {
    // F is 0 at every point of the range.
    bool zeroEverywhere = false;
    // 0 lies in the range and F has no value there (a power of 0 to a
    // negative exponent); pole when F is also unbounded beside it.
    bool noValueAtZero = false, poleAtZero = false;
    std::vector<Root> roots;  // in x order; the only roots of F in the range
    long evaluations = 0;     // exact signs of F's polynomial at a point
};

// Exponents further apart than this leave F to the general analysis: the
// roots of a polynomial of high degree cost more than they are worth here.
inline constexpr int maxDegree = 64;

// The roots of F on [lo, hi] (lo <= hi, both finite), each to `digits`
// significant digits as well when digits > 0; nothing when F is not such a
// polynomial or its degree is above maxDegree.
std::optional<Analysis> analyse(const Formula& f, double lo, double hi, int digits = 0);

// The certified analysis's answer where the exact path applies: complete,
// every root proved with its multiplicity. Nothing for a range without
// finite ends or work already cancelled, which the general analysis reports.
std::optional<Certified> certified(const Formula& f, Range range, const std::atomic<bool>* cancel);

}  // namespace core::exact
