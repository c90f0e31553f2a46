// SPDX-License-Identifier: GPL-3.0-or-later
// F and F' over a block or at a point: each term's enclosure, summed.
#include <algorithm>
#include <cmath>

#include "certifiedunits.h"

namespace core::cert {

namespace {

bool powerLogTerm(const TermParams& p, double lo, double hi, slong prec, Ext& v, arb_t coefficient) {
    if (lo == 0 && hi == 0) return false;
    const bool negativeX = hi <= 0;
    if (negativeX && !isInteger(p.n)) return false;
    const bool powerNegative = negativeX && std::fmod(p.n, 2) != 0;
    if ((p.b > 0) == powerNegative) return false;
    arb_set_d(v.v.v, std::fabs(p.b));
    arb_log(v.v.v, v.v.v, prec);
    v.reach = Reach::ball;
    v.scaleDouble(p.a, prec);
    Ball an;
    arb_set_d(an.v, p.a);
    Ball n;
    arb_set_d(n.v, p.n);
    arb_mul(an.v, an.v, n.v, prec);
    arb_add(coefficient, coefficient, an.v, prec);
    return true;
}

// ln|x| and its slope 1/x over a block on one side of 0.
void logOfX(double lo, double hi, slong prec, Ext& v, Ext& dv) {
    const double nearest = hi <= 0 ? -hi : lo, farthest = hi <= 0 ? -lo : hi;
    Ball far, other;
    arb_set_d(far.v, farthest);
    arb_log(v.v.v, far.v, prec);
    arb_inv(dv.v.v, far.v, prec);
    if (hi <= 0) arb_neg(dv.v.v, dv.v.v);
    if (nearest == 0) {
        // Down to -infinity towards 0; the slope grows without bound.
        v.reach = Reach::below;
        dv.reach = hi <= 0 ? Reach::below : Reach::above;
        return;
    }
    arb_set_d(other.v, nearest);
    arb_log(other.v, other.v, prec);
    arb_union(v.v.v, v.v.v, other.v, prec);
    v.reach = Reach::ball;
    arb_set_d(other.v, hi <= 0 ? -nearest : nearest);
    arb_inv(other.v, other.v, prec);
    arb_union(dv.v.v, dv.v.v, other.v, prec);
    dv.reach = Reach::ball;
}

// b·x^n from x^n in t. At a point, a negative power is a division by x^-n:
// it rounds once where b·x^n rounds twice, so a root at a double
// (0.001/x + 1 at x = -0.001) stays an exact zero.
void scaledPower(const TermParams& p, double lo, double hi, const arb_t x, const Ext& t, slong prec, Ext& u) {
    if (lo == hi && lo != 0 && p.n < 0 && isInteger(p.n)) {
        Ball d;
        powerInteger(d.v, x, -p.n, prec);
        arb_set_d(u.v.v, p.b);
        arb_div(u.v.v, u.v.v, d.v, prec);
        u.reach = Reach::ball;
    } else {
        u.set(t.v.v, t.reach);
        u.strict = t.strict;
        u.weak = t.weak;
        u.scaleDouble(p.b, prec);
    }
}

// What the outer function's enclosure says of its slope.
struct Outer {
    bool slopeKnown = false, constant = false, jumps = false, edge = false;
};

void sineOrCosine(const TermParams& p, const Ext& u, slong prec, Ext& v, arb_t slope, Outer& o) {
    if (u.reach != Reach::ball) {
        arb_zero_pm_one(v.v.v);
        v.reach = Reach::ball;
        return;
    }
    Ball sn, cs;
    arb_sin_cos(sn.v, cs.v, u.v.v, prec);
    v.set(p.shape == sinShape ? sn.v : cs.v);
    if (p.shape == sinShape) {
        arb_set(slope, cs.v);
    } else {
        arb_neg(slope, sn.v);
    }
    o.slopeKnown = true;
}

// The outer function at its argument u, and its slope over the block,
// which the chain rule multiplies by a, b and the slope of x^n. False when
// the block has no value at all, or the shape has no rule (s says which).
bool outer(const TermParams& p, double lo, double hi, const Ext& u, slong prec, Ext& v, arb_t slope,
           Status& s, Outer& o) {
    switch (p.shape) {
        case expShape:
            exponential(u, nullptr, prec, v, slope);
            o.slopeKnown = u.reach == Reach::ball;
            return true;
        case baseShape:
            if (!powerOfBase(p, u, lo, hi, prec, v, slope, s, o.jumps)) return false;
            // m = 1, and m <= 0 where it has a value, give a constant.
            o.constant = !o.jumps && (p.m == 1 || p.m <= 0);
            o.slopeKnown = u.reach == Reach::ball;
            return true;
        case logShape: return logarithm(p, lo, hi, u, prec, v, slope, o.slopeKnown, o.edge, s);
        case sinShape:
        case cosShape: sineOrCosine(p, u, prec, v, slope, o); return true;
        default:
            s.partial = true;
            v.setWhole();
            return false;
    }
}

// The slope of a·ln(b·x^n + c) where its argument falls to 0 inside the
// block: a·b·(slope of x^n) times 1/u, which is at least `inverse` (1/U)
// and unbounded towards the edge.
void edgeSlope(const TermParams& p, const Ext& dt, const arb_t inverse, slong prec, Ext& dv) {
    if (dt.reach != Reach::ball || !arb_is_finite(dt.v.v)) {
        dv.setWhole();
        return;
    }
    Ball factor, x;
    arb_set_d(factor.v, p.a);
    arb_set_d(x.v, p.b);
    arb_mul(factor.v, factor.v, x.v, prec);
    arb_mul(factor.v, factor.v, dt.v.v, prec);
    dv.set(inverse, Reach::above);
    dv.scale(factor.v, prec);
}

// a·b·(outer slope)·(slope of x^n) into dv.
void chainSlope(const TermParams& p, const Outer& o, const Ext& dt, const arb_t slope, slong prec, Ext& dv) {
    if (o.constant) {
        dv.setDouble(0);
        return;
    }
    if (o.edge) {
        edgeSlope(p, dt, slope, prec, dv);
        return;
    }
    if (!o.slopeKnown || o.jumps) {
        dv.setWhole();
        return;
    }
    Ball factor, bb;
    arb_set_d(factor.v, p.a);
    arb_mul(factor.v, factor.v, slope, prec);
    arb_set_d(bb.v, p.b);
    arb_mul(factor.v, factor.v, bb.v, prec);
    dv.set(dt.v.v, dt.reach);
    dv.strict = dt.strict;
    dv.scale(factor.v, prec);
}

void term(const TermParams& p, double lo, double hi, const arb_t x, slong prec, Ext& v, Ext& dv, Status& s) {
    if (p.shape == constantShape) {
        v.setDouble(p.k);
        dv.setDouble(0);
        return;
    }
    Ext t, dt;
    powerOn(lo, hi, x, p.n, prec, t, dt, s);
    if (s.undefinedAll) return;
    Ext u;
    scaledPower(p, lo, hi, x, t, prec, u);
    if (p.shape == powerShape) {
        v.set(u.v.v, u.reach);
        v.strict = u.strict;
        v.weak = u.weak;
        dv.set(dt.v.v, dt.reach);
        dv.strict = dt.strict;
        dv.scaleDouble(p.b, prec);
        return;
    }
    u.addDouble(p.c, prec);  // the argument of the outer function
    Ball slope;
    Outer o;
    if (!outer(p, lo, hi, u, prec, v, slope.v, s, o)) {
        if (!s.undefinedAll) dv.setWhole();
        return;
    }
    v.scaleDouble(p.a, prec);
    chainSlope(p, o, dt, slope.v, prec, dv);
}

// The block as a ball, or the point.
void blockBall(arb_t x, double lo, double hi, slong prec) {
    if (lo == hi) {
        arb_set_d(x, lo);
        return;
    }
    arf_t l, h;
    arf_init(l);
    arf_init(h);
    arf_set_d(l, lo);
    arf_set_d(h, hi);
    arb_set_interval_arf(x, l, h, prec);
    arf_clear(l);
    arf_clear(h);
}

}  // namespace

bool logarithm(const TermParams& p, double lo, double hi, const Ext& u, slong prec, Ext& v, arb_t slope,
               bool& slopeKnown, bool& edge, Status& s) {
    // A ball over the block may reach past 0 where the argument
    // does not: b·x^n + c is monotone on the block, so its values
    // at the ends bound it, and ln of them bound ln of it.
    Ball ends[2];
    const bool byEnds = u.reach == Reach::ball && !arb_is_positive(u.v.v) && lo != hi &&
                        argumentAtEnds(p, lo, hi, prec, ends);
    if (u.reach == Reach::ball && arb_is_positive(u.v.v)) {
        arb_log(v.v.v, u.v.v, prec);
        v.reach = Reach::ball;
        arb_inv(slope, u.v.v, prec);
        slopeKnown = true;
    } else if (byEnds && arb_is_positive(ends[0].v) && arb_is_positive(ends[1].v)) {
        Ball other;
        arb_log(v.v.v, ends[0].v, prec);
        arb_log(other.v, ends[1].v, prec);
        arb_union(v.v.v, v.v.v, other.v, prec);
        v.reach = Reach::ball;
        arb_inv(slope, ends[0].v, prec);
        arb_inv(other.v, ends[1].v, prec);
        arb_union(slope, slope, other.v, prec);
        slopeKnown = true;
    } else if (byEnds ? atMostZero(ends[0].v) && atMostZero(ends[1].v)
                      : (u.reach == Reach::ball || u.reach == Reach::below) && atMostZero(u.v.v)) {
        s.undefinedAll = true;
        return false;
    } else if (byEnds && p.a != 0 &&
               (arb_is_positive(ends[0].v) ? atMostZero(ends[1].v)
                                           : arb_is_positive(ends[1].v) && atMostZero(ends[0].v))) {
        // The argument falls to 0 inside the block, from its upper end
        // U: where it has a value, ln u <= ln U and 1/u >= 1/U, and
        // a·ln u tends to the infinity of sign -a at the edge.
        upperEnd(v.v.v, arb_is_positive(ends[0].v) ? ends[0].v : ends[1].v);
        arb_inv(slope, v.v.v, prec);
        arb_log(v.v.v, v.v.v, prec);
        v.reach = Reach::below;
        ++s.edges;
        s.edgeLimit = p.a > 0 ? -1 : 1;
        edge = true;
    } else if (u.reach == Reach::above && arb_is_positive(u.v.v)) {
        arb_log(v.v.v, u.v.v, prec);
        v.reach = Reach::above;
    } else if (u.reach == Reach::ball || u.reach == Reach::below) {
        // Defined only where u > 0: there ln u <= ln(upper end of u).
        s.partial = true;
        Ball all;
        if (byEnds)
            arb_union(all.v, ends[0].v, ends[1].v, prec);
        else
            arb_set(all.v, u.v.v);
        upperEnd(v.v.v, all.v);
        arb_log(v.v.v, v.v.v, prec);
        v.reach = Reach::below;
    } else {
        s.partial = true;
        v.setWhole();
    }
    return true;
}

// The terms' sum into out. ln(b·x^n) = ln|b| + n·ln|x| where b·x^n > 0:
// such logarithms share one ln|x|, whose coefficients are summed first, so
// that two of them that tend to infinity in opposite directions beside 0 do
// not hide which one wins. False when the block has no value at all.
bool Evaluator::sumTerms(double lo, double hi, const arb_t x, slong prec, BlockValue& out,
                         bool& othersBounded) const {
    Ext v, dv;
    Ball lnCoefficient;
    for (const TermParams& p : terms) {
        const int edges = out.status.edges;
        v.strict = dv.strict = v.weak = dv.weak = 0;  // each term's enclosure says its own
        // At a point, ln(b·x^n) itself: ln 2 + ln 0.5 is no exact 0.
        if (powerLog(p) && lo != hi) {
            if (!powerLogTerm(p, lo, hi, prec, v, lnCoefficient.v)) {
                out.status.undefinedAll = true;
                return false;
            }
            dv.setDouble(0);
        } else {
            term(p, lo, hi, x, prec, v, dv, out.status);
            if (out.status.undefinedAll) return false;
        }
        if (out.status.edges == edges && !v.bounded()) othersBounded = false;
        out.f.add(v, prec);
        out.df.add(dv, prec);
    }
    if (!arb_is_zero(lnCoefficient.v)) {
        v.strict = dv.strict = v.weak = dv.weak = 0;
        logOfX(lo, hi, prec, v, dv);
        v.scale(lnCoefficient.v, prec);
        dv.scale(lnCoefficient.v, prec);
        if (!v.bounded()) othersBounded = false;
        out.f.add(v, prec);
        out.df.add(dv, prec);
    }
    return true;
}

void Evaluator::evaluate(double lo, double hi, slong prec, BlockValue& out) const {
    Ball x;
    blockBall(x.v, lo, hi, prec);
    evaluateWith(x.v, lo, hi, prec, out);
}

void Evaluator::evaluatePoint(const arb_t x, double near, slong prec, BlockValue& out) const {
    evaluateWith(x, near, near, prec, out);
}

void Evaluator::evaluateWith(const arb_t x, double lo, double hi, slong prec, BlockValue& out) const {
    out.status = {};
    out.f.setDouble(0);
    out.df.setDouble(0);
    bool othersBounded = true;  // every term but those with an edge
    if (!sumTerms(lo, hi, x, prec, out, othersBounded)) return;
    // The slope holds where F has a value only beside a single edge.
    const bool single =
        out.status.edges == 1 && !out.status.partial && othersBounded && out.status.jumps.empty();
    if (out.status.edges > 0) out.status.partial = true;
    if (!single) out.status.edgeLimit = 0;
    if (out.status.partial && !single) out.df.setWhole();
    out.offZero = out.f.excludesZero();
    out.zeroButJumps = false;
    if (!out.status.jumps.empty()) {
        out.zeroButJumps = out.f.isZero();
        out.offZero = withJumps(out.f, out.status.jumps, prec);
    }
}

// takes in every value the jumps can add. True when no value is 0.
bool Evaluator::withJumps(Ext& f, const std::vector<double>& jumps, slong prec) {
    f.strict = f.weak = 0;  // the jumps' values need not keep the sum's sign
    if (f.reach == Reach::whole) return false;
    Ext other;
    other.set(f.v.v, f.reach);
    bool offZero = false;
    if (jumps.size() == 1) {
        other.addDouble(jumps[0], prec);
        offZero = f.excludesZero() && other.excludesZero();
        if (offZero && f.sign() == other.sign()) return true;
    } else {
        Ext all;
        for (double a : jumps) {
            Ball j;
            arb_set_d(j.v, a);
            arb_union(j.v, j.v, Ball().v, prec);
            arb_add(all.v.v, all.v.v, j.v, prec);
        }
        other.add(all, prec);
    }
    if (f.reach != Reach::ball || other.reach != Reach::ball) {
        f.setWhole();
    } else {
        arb_union(f.v.v, f.v.v, other.v.v, prec);
    }
    return offZero;
}

// F(x) in exact rational arithmetic, where every term is rational at x:
// constants, and b·x^n for an integer n, or a half-integer one where
// sqrt(x) is rational. A sign that no working precision decides is an

int Evaluator::signBesidePole(double lo, double hi, slong prec) const {
    double k = 0;  // the pole's order: the most negative power
    for (const TermParams& p : terms) {
        if (p.shape == powerShape && p.b != 0 && p.n < 0) k = std::max(k, -p.n);
    }
    if (k == 0 || (hi <= 0 && !isInteger(k)) || (lo < 0 && hi > 0) || lo == hi) return 0;
    Ball x;
    blockBall(x.v, lo, hi, prec);
    // x^k·F(x): each power's exponent raised by k, every other term times x^k.
    Ext xk, slope, sum, v, dv;
    Status s;
    powerOn(lo, hi, x.v, k, prec, xk, slope, s);
    if (s.undefinedAll || s.partial || !xk.bounded()) return 0;
    for (const TermParams& p : terms) {
        if (p.shape == powerShape && p.b != 0) {
            powerOn(lo, hi, x.v, p.n + k, prec, v, slope, s);
            v.scaleDouble(p.b, prec);
        } else {
            term(p, lo, hi, x.v, prec, v, dv, s);
            if (!v.bounded()) return 0;
            v.scale(xk.v.v, prec);
        }
        if (s.undefinedAll || s.partial || powerLog(p)) return 0;
        sum.add(v, prec);
    }
    if (!sum.excludesZero()) return 0;
    const int odd = hi <= 0 && std::fmod(k, 2) != 0 ? -1 : 1;
    return sum.sign() * odd;
}

}  // namespace core::cert
