// SPDX-License-Identifier: GPL-3.0-or-later
// A root to as many correct significant digits as asked: its enclosure of
// neighbouring doubles narrowed by bisection at points finer than a double.
#include <mpfr.h>

#include <cmath>
#include <optional>
#include <string>

#include "certifiedunits.h"
#include "exactpolynomial.h"

namespace core {

namespace {

using cert::Ball;
using cert::BlockValue;

// x rounded to the nearest of `digits` significant decimals, as a
// mantissa and an exponent: 0.d1d2... × 10^exponent.
std::string decimal(const arf_t x, int digits, long& exponent) {
    mpfr_t m;
    mpfr_init2(m, std::max<slong>(arf_bits(x), 2));
    arf_get_mpfr(m, x, MPFR_RNDN);  // exact: enough bits
    mpfr_exp_t e = 0;
    char* text = mpfr_get_str(nullptr, &e, 10, static_cast<std::size_t>(digits), m, MPFR_RNDN);
    std::string s = text;
    mpfr_free_str(text);
    mpfr_clear(m);
    exponent = e;
    return s;
}

// "-d.ddd", "0.000ddd" or "d.dddE+x": the digits as a number's text.
std::string numberText(std::string digits, long exponent) {
    std::string sign;
    if (!digits.empty() && digits[0] == '-') sign = "-", digits.erase(0, 1);
    if (exponent > 21 || exponent < -5) {
        std::string s = digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "");
        return sign + s + "E" + (exponent - 1 >= 0 ? "+" : "") + std::to_string(exponent - 1);
    }
    if (exponent <= 0) return sign + "0." + std::string(static_cast<std::size_t>(-exponent), '0') + digits;
    const auto point = static_cast<std::size_t>(exponent);
    if (digits.size() <= point) return sign + digits + std::string(point - digits.size(), '0');
    return sign + digits.substr(0, point) + "." + digits.substr(point);
}

class Narrowing {
public:
    Narrowing(const Formula& f, long budget) : eval(f), budget(budget) {}

    // The sign of F at x, near the double `near`: +1, -1, 0 when exactly 0,
    // or 2 when no precision up to the cap decides it.
    int signAt(const arf_t x, double near, slong cap) {
        Ball b;
        arb_set_arf(b.v, x);
        // Start where the point's own bits are held, and some more.
        slong prec = cert::startBits;
        while (prec < arf_bits(x) + 32) prec *= 2;
        for (; prec <= cap && work < budget; prec *= 2) {
            BlockValue v;
            eval.evaluatePoint(b.v, near, prec, v);
            work += prec / cert::startBits;
            if (v.status.undefinedAll || v.status.partial) return 2;
            if (v.f.isZero()) return 0;
            if (v.f.excludesZero()) return v.f.sign();
        }
        return 2;
    }

    std::string digitsOf(const Finding& root, int digits) {
        arf_t lo, hi, mid;
        arf_init(lo);
        arf_init(hi);
        arf_init(mid);
        arf_set_d(lo, root.lo);
        arf_set_d(hi, root.hi);
        // Bits enough for the digits asked, and some to tell signs by.
        const slong cap = 2 * (static_cast<slong>(std::ceil(digits * 3.33)) + 64);
        const int atLo = root.lo == root.hi ? 0 : signAt(lo, root.lo, cap);
        std::string text;
        while (atLo != 2) {
            long eLo = 0, eHi = 0;
            const std::string a = decimal(lo, digits, eLo), b = decimal(hi, digits, eHi);
            if (a == b && eLo == eHi) {
                text = numberText(a, eLo);
                break;
            }
            arf_add(mid, lo, hi, ARF_PREC_EXACT, ARF_RND_DOWN);
            arf_mul_2exp_si(mid, mid, -1);
            const int s = signAt(mid, root.lo, cap);
            if (s == 2) break;
            if (s == 0)
                arf_set(lo, mid), arf_set(hi, mid);
            else
                arf_set(s == atLo ? lo : hi, mid);
        }
        arf_clear(lo);
        arf_clear(hi);
        arf_clear(mid);
        return text;
    }

private:
    cert::Evaluator eval;
    long budget;
    long work = 0;
};

}  // namespace

std::string rootDigits(const Formula& f, const Finding& root, int digits, long budget) {
    if (root.kind != Finding::root || digits < 1 || !std::isfinite(root.lo) || !std::isfinite(root.hi))
        return {};
    // A polynomial's roots come from the exact path: a touching root has no
    // sign change to narrow by.
    if (const std::optional<exact::Analysis> a = exact::analyse(f, root.lo, root.hi, digits)) {
        if (a->roots.size() != 1 || a->roots[0].digits.digits.empty()) return {};
        return numberText(a->roots[0].digits.digits, a->roots[0].digits.exponent);
    }
    // Both ends on one side of 0: the sign of x decides the terms' domains.
    if (root.lo < 0 && root.hi > 0) return {};
    return Narrowing(f, budget).digitsOf(root, digits);
}

}  // namespace core
