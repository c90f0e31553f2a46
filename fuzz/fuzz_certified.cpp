// SPDX-License-Identifier: GPL-3.0-or-later
// Random formulas and ranges through the certified analysis: every run ends
// within its budget of evaluations, the findings lie in x order inside the
// range, and no root is claimed where F, evaluated independently in long
// double, keeps one clear sign across the enclosure. One input in four is a
// polynomial in x and 1/x, which is solved exactly: there a multiple root
// must hold F near 0, and "zero everywhere" must be so at sample points.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "certified.h"
#include "fuzzbytes.h"

namespace {

class Input : public FuzzBytes {
public:
    using FuzzBytes::FuzzBytes;
    // Mostly small numbers in quarters, sometimes any float bit pattern.
    float single() {
        const std::uint8_t kind = take<std::uint8_t>();
        if (kind % 8 == 0) return take<float>();
        return static_cast<float>(take<std::int8_t>()) / static_cast<float>(1 << (kind % 4));
    }
    double number() {
        const std::uint8_t kind = take<std::uint8_t>();
        if (kind % 8 == 0) return take<double>();
        return static_cast<double>(take<std::int16_t>()) / (1 << (kind % 8));
    }
};

constexpr long budget = 3000;
// A block settles with at most a few evaluations after the budget is spent.
constexpr long budgetSlack = 16;

// F at x in long double, and the size of what was summed: a sign is only
// trusted when |F| stands clear of the rounding of the terms.
struct Value {
    long double sum = 0, scale = 0;
    bool ok = true;
};
Value valueAt(const core::Formula& f, long double x) {
    Value v;
    for (int s = 1; s <= f.count; ++s) {
        const long double a = f.a[s], b = f.b[s], n = f.n[s], m = f.m[s], c = f.c[s];
        const long double p = std::pow(x, n), u = b * p + c;
        long double t = 0;
        switch (f.shape[s]) {
            case 1: t = b * p; break;
            case 2: t = a * std::exp(u); break;
            case 3: t = a * std::pow(m, u); break;
            case 4: t = u > 0 ? a * std::log(u) : NAN; break;
            case 5: t = a * std::sin(u); break;
            case 6: t = a * std::cos(u); break;
            default: t = f.k[s];
        }
        v.sum += t;
        v.scale += std::fabs(t) + std::fabs(a * u) + std::fabs(b * p);
        // x^n that underflows or overflows where x is not 0 (267^-131996)
        // leaves long double no true value to judge by: 0^(x^n) is 0, not 1.
        if (f.shape[s] != 7 && x != 0 && (p == 0 || std::isinf(p))) v.ok = false;
    }
    v.ok = v.ok && std::isfinite(v.sum) && std::isfinite(v.scale);
    return v;
}

bool clearlySigned(const Value& v) { return v.ok && std::fabs(v.sum) > 1e-9L * v.scale + 1e-300L; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    core::Formula f;
    const std::uint8_t head = in.take<std::uint8_t>();
    const bool polynomial = head % 4 == 0;
    f.count = head / 4 % (core::maxTerms + 1);
    for (int s = 1; s <= f.count; ++s) {
        // Now and then a code without a rule, as only a hand-written table holds.
        const std::uint8_t code = in.take<std::uint8_t>();
        f.shape[s] = static_cast<std::int16_t>(code % 16 == 15 ? code : code % 7 + 1);
        if (polynomial) f.shape[s] = code % 4 == 0 ? 7 : 1;
        f.a[s] = in.single();
        f.b[s] = in.single();
        f.n[s] = in.single();
        if (polynomial) f.n[s] = static_cast<float>(code % 13) - 4;
        f.m[s] = in.single();
        f.c[s] = in.single();
        f.k[s] = in.single();
    }
    const core::Range range{in.number(), in.number()};
    const core::Certified r = core::certify(f, range, budget);

    if (r.evaluations > budget + budgetSlack) std::abort();
    if (!r.rangeUsable) return r.findings.empty() ? 0 : (std::abort(), 0);
    const double lo = std::fmin(range.start, range.end), hi = std::fmax(range.start, range.end);
    if (r.zeroEverywhere && (!r.findings.empty() || !r.complete)) std::abort();
    // Long double sees a polynomial's values truly; elsewhere a power that
    // underflows (0^(x^1E38) at x = 0.5) may make it see 1 where F is 0.
    if (r.zeroEverywhere && polynomial) {
        for (double x : {lo, hi, lo / 2 + hi / 2}) {
            if (clearlySigned(valueAt(f, x))) std::abort();
        }
    }
    double previous = lo;
    for (const core::Finding& g : r.findings) {
        if (!(g.lo <= g.hi) || g.lo < previous || g.hi > hi) std::abort();
        previous = g.hi;
        if (g.kind != core::Finding::root) continue;
        const Value a = valueAt(f, g.lo), b = valueAt(f, g.hi);
        if (g.multiplicity < 0 || (g.multiplicity > 1 && clearlySigned(a) && clearlySigned(b))) std::abort();
        if (g.lo == g.hi) {
            // A proved exact zero: long double sees F near 0 too.
            if (clearlySigned(a)) std::abort();
        } else if (clearlySigned(a) && clearlySigned(b) && (a.sum > 0) == (b.sum > 0)) {
            std::abort();
        }
    }
    return 0;
}
