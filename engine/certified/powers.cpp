// SPDX-License-Identifier: GPL-3.0-or-later
// The enclosures of x^n, of exponentials and powers of a base, over a
// block or at a point.
#include <cmath>

#include "certifiedunits.h"

namespace core::cert {

namespace {

// x^n for an integer n other than 0: a pole at 0 when n is negative.
void integerPowerOn(double lo, double hi, const arb_t x, double n, slong prec, Ext& t, Ext& dt, Status& s) {
    if (n > 0 || lo > 0 || hi < 0) {
        powerInteger(t.v.v, x, n, prec);
        t.reach = Reach::ball;
        powerSlope(dt.v.v, x, n, prec);
        dt.reach = Reach::ball;
        return;
    }
    if (lo == 0 && hi == 0) {
        s.undefinedAll = true;
        return;
    }
    // A negative power beside 0: unbounded towards 0, monotone away from it.
    Ball end;
    const double far = lo == 0 ? hi : lo;
    arb_set_d(end.v, far);
    powerInteger(t.v.v, end.v, n, prec);
    powerSlope(dt.v.v, end.v, n, prec);
    if (lo == 0) {
        t.reach = Reach::above;
        dt.reach = Reach::below;
    } else {
        const bool even = std::fmod(n, 2) == 0;
        t.reach = even ? Reach::above : Reach::below;
        dt.reach = even ? Reach::above : Reach::below;
    }
}

// x^n on [0, hi] with hi > 0 for a non-integer n, bounded by its value
// and slope at hi: a pole at 0 when n < 0.
void realPowerFromZero(double hi, double n, slong prec, Ext& t, Ext& dt) {
    Ball end;
    arb_set_d(end.v, hi);
    powerReal(t.v.v, end.v, n, prec);
    powerSlope(dt.v.v, end.v, n, prec);
    if (n < 0) {
        t.reach = Reach::above;
        dt.reach = Reach::below;
        return;
    }
    // 0 <= x^n <= hi^n; the slope is bounded by its value at hi when n > 1
    // and unbounded towards 0 when n < 1.
    arb_union(t.v.v, t.v.v, Ball().v, prec);
    t.reach = Reach::ball;
    if (n > 1) {
        arb_union(dt.v.v, dt.v.v, Ball().v, prec);
        dt.reach = Reach::ball;
    } else {
        dt.reach = Reach::above;
    }
}

// x^n for a non-integer n: no real value below 0.
void realPowerOn(double lo, double hi, const arb_t x, double n, slong prec, Ext& t, Ext& dt, Status& s) {
    if (hi < 0 || (hi == 0 && lo < 0)) {
        s.undefinedAll = true;
        return;
    }
    if (lo < 0) {  // never after the split at 0; kept safe all the same
        s.partial = true;
        t.setWhole();
        dt.setWhole();
        return;
    }
    if (lo > 0) {
        powerReal(t.v.v, x, n, prec);
        t.reach = Reach::ball;
        powerSlope(dt.v.v, x, n, prec);
        dt.reach = Reach::ball;
        return;
    }
    if (hi == 0) {  // the point 0
        if (n < 0) {
            s.undefinedAll = true;
            return;
        }
        t.setDouble(0);
        dt.setWhole();
        return;
    }
    realPowerFromZero(hi, n, prec, t, dt);
}

// e^w over a wide ball w: the ball of arb_exp reaches below 0 once w's
// radius passes ln 2, yet e^w > 0. The ends of w give a ball that stays
// positive while they are less than about 2^30 apart; beyond that the
// bound that says more.
void positiveExp(const arb_t w, slong prec, Ext& v) {
    if (!arb_is_finite(w)) {
        arb_zero(v.v.v);
        v.reach = Reach::above;
        return;
    }
    Ball low, high;
    arf_t l, h;
    arf_init(l);
    arf_init(h);
    arb_get_lbound_arf(l, w, prec);
    arb_get_ubound_arf(h, w, prec);
    arb_set_arf(low.v, l);
    arb_set_arf(high.v, h);
    arb_exp(low.v, low.v, prec);
    arb_exp(high.v, high.v, prec);
    arb_get_lbound_arf(l, low.v, prec);
    arb_get_ubound_arf(h, high.v, prec);
    arb_set_interval_arf(v.v.v, l, h, prec);
    v.reach = Reach::ball;
    if (!arb_is_positive(v.v.v)) {
        // e^w > 0 all the same: where its lower end is tiny, the ball from 0
        // to the upper end keeps the upper bound, which decides more sums.
        if (arf_cmp_2exp_si(l, -20) < 0) {
            arf_zero(l);
            arb_set_interval_arf(v.v.v, l, h, prec);
        } else {
            v.set(low.v, Reach::above);
        }
    }
    arf_clear(l);
    arf_clear(h);
}

}  // namespace

// x^n on [lo, hi], which never holds 0 inside (the range is split there),
// with std::pow's domain: a non-integer power of a negative x has no real
// value, and 0 to a negative power is a pole.
void powerOn(double lo, double hi, const arb_t x, double n, slong prec, Ext& t, Ext& dt, Status& s) {
    if (n == 0) {
        t.setDouble(1);
        dt.setDouble(0);
        return;
    }
    if (isInteger(n))
        integerPowerOn(lo, hi, x, n, prec, t, dt, s);
    else
        realPowerOn(lo, hi, x, n, prec, t, dt, s);
    if (s.undefinedAll || s.partial) return;
    if (lo == 0 || hi == 0) {
        // x^n for n > 0 on a block that ends at 0 keeps a sign but for 0.
        if (n > 0 && lo != hi) t.weak = hi == 0 && std::fmod(n, 2) != 0 ? -1 : 1;
        return;
    }
    if (lo < 0 && hi > 0) return;
    // Away from 0, x^n and n·x^(n-1) keep their signs, which a wide block's
    // balls may not show.
    const int odd = hi < 0 && std::fmod(n, 2) != 0 ? -1 : 1;
    t.strict = odd;
    dt.strict = (n > 0 ? 1 : -1) * (hi < 0 ? -odd : 1);
}

// b·x^n + c at lo and at hi, when both are finite and the block lies on
// one side of 0, where x^n, and so the argument, is monotone.
bool argumentAtEnds(const TermParams& p, double lo, double hi, slong prec, Ball (&ends)[2]) {
    if (lo < 0 && hi > 0) return false;
    const double at[2] = {lo, hi};
    for (int i = 0; i < 2; ++i) {
        Ball x;
        arb_set_d(x.v, at[i]);
        Ext t, dt;
        Status s;
        powerOn(at[i], at[i], x.v, p.n, prec, t, dt, s);
        if (s.undefinedAll || s.partial || t.reach != Reach::ball) return false;
        arb_set_d(x.v, p.b);
        arb_mul(ends[i].v, t.v.v, x.v, prec);
        arb_set_d(x.v, p.c);
        arb_add(ends[i].v, ends[i].v, x.v, prec);
    }
    return true;
}

// e^w into v; its slope into slope when w is a ball. lnm scales w first.
void exponential(const Ext& w, const arb_t lnm, slong prec, Ext& v, arb_t slope) {
    Ext e;
    e.set(w.v.v, w.reach);
    if (lnm) e.scale(lnm, prec);
    switch (e.reach) {
        case Reach::ball:
            arb_exp(v.v.v, e.v.v, prec);
            v.reach = Reach::ball;
            arb_set(slope, v.v.v);
            if (lnm) arb_mul(slope, slope, lnm, prec);
            if (!arb_is_positive(v.v.v)) positiveExp(e.v.v, prec, v);
            break;
        case Reach::above:
            arb_exp(v.v.v, e.v.v, prec);
            v.reach = Reach::above;
            break;
        case Reach::below: {
            // 0 < e^w <= e^(upper end of w)
            upperEnd(v.v.v, e.v.v);
            arb_exp(v.v.v, v.v.v, prec);
            arb_union(v.v.v, v.v.v, Ball().v, prec);
            v.reach = Reach::ball;
            break;
        }
        case Reach::whole:
            arb_zero(v.v.v);
            v.reach = Reach::above;
            break;
    }
    v.strict = 1;
}

namespace {

// 0^u: 0 for u > 0, 1 at u = 0, no value below. u is monotone on the
// block, so its ends tell where it stands.
bool powerOfZero(const TermParams& p, const Ext& u, double lo, double hi, slong prec, Ext& v, Status& s,
                 bool& jumps) {
    Ball ends[2];
    const bool byEnds = lo != hi && argumentAtEnds(p, lo, hi, prec, ends);
    const bool positive = (u.excludesZero() && u.sign() > 0) ||
                          (byEnds && arb_is_positive(ends[0].v) && arb_is_positive(ends[1].v));
    const bool negative =
        (u.excludesZero() && u.sign() < 0) || (byEnds && atMostZero(ends[0].v) && atMostZero(ends[1].v) &&
                                               !(arb_is_zero(ends[0].v) && arb_is_zero(ends[1].v)));
    if (u.isZero()) {
        v.setDouble(1);
    } else if (positive) {
        v.setDouble(0);
    } else if (negative) {
        // No value but at the one end where u = 0, which its own point settles.
        s.undefinedAll = true;
        return false;
    } else {
        // 0 where u > 0, a at the point where u = 0 (no slope holds
        // across that jump), and no value where u < 0 if it reaches there.
        if (!(byEnds && (arb_is_zero(ends[0].v) || arb_is_zero(ends[1].v)) &&
              (arb_is_positive(ends[0].v) || arb_is_positive(ends[1].v))))
            s.partial = true;
        v.setDouble(0);
        s.jumps.push_back(p.a);
        jumps = true;
    }
    return true;
}

// A negative base has real powers only at integer exponents: a constant
// integer exponent gives a constant; any exponent that varies with x
// leaves only isolated points, which we count as none.
bool powerOfNegativeBase(const TermParams& p, slong prec, Ext& v, Status& s) {
    if (p.b == 0 || p.n == 0) {
        Ball e;
        arb_set_d(e.v, p.n == 0 ? p.b : 0);
        Ball c;
        arb_set_d(c.v, p.c);
        arb_add(e.v, e.v, c.v, 400);
        fmpz_t k;
        fmpz_init(k);
        const bool whole = arb_get_unique_fmpz(k, e.v) && arb_is_exact(e.v);
        if (whole) {
            Ball m;
            arb_set_d(m.v, p.m);
            arb_pow_fmpz(v.v.v, m.v, k, prec);
            v.reach = Reach::ball;
        }
        fmpz_clear(k);
        if (whole) return true;
    }
    s.undefinedAll = true;
    return false;
}

// m^k for an argument that is exactly a small integer k: exact where the
// power of the float m is, so 2^(0·x + 1) - 2 is exactly 0.
bool wholePower(double m, const Ext& u, slong prec, Ext& v) {
    if (u.reach != Reach::ball || !arb_is_exact(u.v.v) || !arb_is_int(u.v.v)) return false;
    // Only small exponents are wanted: an exact integer of 2^(10^17) would
    // not even fit in memory as an fmpz.
    if (arf_cmpabs_2exp_si(arb_midref(u.v.v), 7) >= 0) return false;
    fmpz_t k;
    fmpz_init(k);
    const bool small = arb_get_unique_fmpz(k, u.v.v) && fmpz_bits(k) <= 6;
    if (small) {
        Ball base;
        arb_set_d(base.v, m);
        arb_pow_fmpz(v.v.v, base.v, k, prec);
        v.reach = Reach::ball;
        v.strict = 1;
    }
    fmpz_clear(k);
    return small;
}

}  // namespace

bool powerOfBase(const TermParams& p, const Ext& u, double lo, double hi, slong prec, Ext& v, arb_t slope,
                 Status& s, bool& jumps) {
    arb_zero(slope);
    if (p.m == 1) {
        v.setDouble(1);
        return true;
    }
    if (p.m > 0 && wholePower(p.m, u, prec, v)) return true;
    if (p.m > 0) {
        Ball lnm;
        arb_set_d(lnm.v, p.m);
        arb_log(lnm.v, lnm.v, prec);
        exponential(u, lnm.v, prec, v, slope);
        return true;
    }
    if (p.m == 0) return powerOfZero(p, u, lo, hi, prec, v, s, jumps);
    return powerOfNegativeBase(p, prec, v, s);
}

}  // namespace core::cert
