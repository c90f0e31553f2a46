// SPDX-License-Identifier: GPL-3.0-or-later
// Ball arithmetic with one-sided bounds, and the powers of x it is built on.
#include <cmath>
#include <initializer_list>

#include "certifiedunits.h"

namespace core::cert {

void Ext::set(const arb_t x, Reach r) {
    arb_set(v.v, x);
    reach = r;
    strict = weak = 0;
}

void Ext::setDouble(double x, Reach r) {
    arb_set_d(v.v, x);
    reach = r;
    strict = weak = 0;
}

void Ext::setWhole() {
    arb_indeterminate(v.v);
    reach = Reach::whole;
    strict = weak = 0;
}

bool Ext::excludesZero() const {
    if (strict != 0) return true;
    switch (reach) {
        case Reach::ball: return arb_is_finite(v.v) && !arb_contains_zero(v.v);
        case Reach::above: return arb_is_positive(v.v);
        case Reach::below: return arb_is_negative(v.v);
        case Reach::whole: return false;
    }
    return false;
}

int Ext::sign() const {
    if (strict != 0) return strict;
    if (reach == Reach::above) return 1;
    if (reach == Reach::below) return -1;
    return arb_is_positive(v.v) ? 1 : -1;
}

void Ext::scale(const arb_t s, slong prec) {
    const int by = arb_is_finite(s) && !arb_contains_zero(s) ? (arb_is_positive(s) ? 1 : -1) : 0;
    const int keptStrict = strict * by, keptWeak = weak * by;
    scaleBounds(s, prec);
    if (reach != Reach::whole) strict = keptStrict, weak = keptWeak;
}

void Ext::scaleBounds(const arb_t s, slong prec) {
    if (arb_is_zero(s)) {
        arb_zero(v.v);
        reach = Reach::ball;
        return;
    }
    if (reach == Reach::ball) {
        arb_mul(v.v, v.v, s, prec);
        return;
    }
    if (reach == Reach::whole) return;
    if (arb_is_positive(s)) {
        arb_mul(v.v, v.v, s, prec);
    } else if (arb_is_negative(s)) {
        arb_mul(v.v, v.v, s, prec);
        reach = reach == Reach::above ? Reach::below : Reach::above;
    } else {
        setWhole();
    }
}

void Ext::scaleDouble(double s, slong prec) {
    Ball b;
    arb_set_d(b.v, s);
    scale(b.v, prec);
}

namespace {

// 2·s when every value of e has the sign s; s when every value has it or is
// 0; 3 for an exact 0; otherwise 0.
int signOfAll(const Ext& e) {
    if (e.isZero()) return 3;
    if (e.excludesZero()) return 2 * e.sign();
    if (e.weak != 0) return e.weak;
    if (e.reach != Reach::below && arb_is_finite(e.v.v) && arb_is_nonnegative(e.v.v)) return 1;
    if (e.reach != Reach::above && arb_is_finite(e.v.v) && arb_is_nonpositive(e.v.v)) return -1;
    return 0;
}

// A sum has every value of one sign when one part has and the other has
// that sign or 0.
int strictSum(int mine, int theirs) {
    for (int s : {1, -1}) {
        const auto atLeastWeak = [s](int t) { return t == 3 || t == s || t == 2 * s; };
        if ((mine == 2 * s && atLeastWeak(theirs)) || (theirs == 2 * s && atLeastWeak(mine))) return s;
    }
    return 0;
}

}  // namespace

void Ext::add(const Ext& x, slong prec) {
    // Without a sign known beyond the bounds, the bounds say all.
    if (strict == 0 && weak == 0 && x.strict == 0 && x.weak == 0) {
        addBounds(x, prec);
        return;
    }
    const int mine = signOfAll(*this), theirs = signOfAll(x);
    addBounds(x, prec);
    strict = strictSum(mine, theirs);
    // Both of one sign or 0, or one of them exactly 0.
    const auto weakOf = [](int t) { return t == 3 ? 3 : (t > 0 ? 1 : (t < 0 ? -1 : 0)); };
    const int a = weakOf(mine), b = weakOf(theirs);
    weak = a == 3 ? (b == 3 ? 0 : b) : (b == 3 || b == a ? a : 0);
}

void Ext::addBounds(const Ext& x, slong prec) {
    if (reach == Reach::whole || x.reach == Reach::whole ||
        (reach != Reach::ball && x.reach != Reach::ball && reach != x.reach)) {
        setWhole();
        return;
    }
    arb_add(v.v, v.v, x.v.v, prec);
    if (reach == Reach::ball) reach = x.reach;
}

void Ext::addDouble(double x, slong prec) {
    if (reach == Reach::whole) return;
    if (x != 0 && (x > 0 ? 1 : -1) != strict) strict = 0;
    if (x != 0 && (x > 0 ? 1 : -1) != weak) weak = 0;
    Ball b;
    arb_set_d(b.v, x);
    arb_add(v.v, v.v, b.v, prec);
}

// The upper end of a ball as an exact ball.
void upperEnd(arb_t out, const arb_t x) {
    arf_t u;
    arf_init(u);
    arb_get_ubound_arf(u, x, startBits);  // rounded up: still a bound, and never huge
    arb_set_arf(out, u);
    arf_clear(u);
}

// Every point of x is <= 0 (arb_is_nonpositive leaves out a ball that
// only touches 0).
bool atMostZero(const arb_t x) {
    if (!arb_is_finite(x)) return false;
    arf_t u;
    arf_init(u);
    arb_get_ubound_arf(u, x, startBits);  // rounded up: still a bound, and never huge
    const bool result = arf_sgn(u) <= 0;
    arf_clear(u);
    return result;
}

bool isInteger(double n) { return std::trunc(n) == n; }

void powerInteger(arb_t z, const arb_t x, double n, slong prec) {
    fmpz_t e;
    fmpz_init(e);
    fmpz_set_d(e, n);
    arb_pow_fmpz(z, x, e, prec);
    fmpz_clear(e);
}

void powerReal(arb_t z, const arb_t x, double n, slong prec) {
    if (isInteger(n)) {
        powerInteger(z, x, n, prec);
        return;
    }
    // A half-integer power through the square root, which is exact where
    // the root is: 2.25^-1.5 is 8/27, and -2x^-1.5 + 3x^-2 is 0 at 2.25.
    if (isInteger(2 * n)) {
        arb_sqrt(z, x, prec);
        powerInteger(z, z, 2 * n, prec);
        return;
    }
    Ball e;
    arb_set_d(e.v, n);
    arb_pow(z, x, e.v, prec);
}

// n · x^(n-1) for a point or a ball x.
void powerSlope(arb_t z, const arb_t x, double n, slong prec) {
    Ball e;
    if (isInteger(n)) {
        fmpz_t k;
        fmpz_init(k);
        fmpz_set_d(k, n);
        fmpz_sub_ui(k, k, 1);
        arb_pow_fmpz(z, x, k, prec);
        fmpz_clear(k);
    } else {
        powerReal(z, x, n - 1, prec);  // n - 1 is exact: |n| < 2^52 and not an integer
    }
    arb_set_d(e.v, n);
    arb_mul(z, z, e.v, prec);
}

}  // namespace core::cert
