// SPDX-License-Identifier: GPL-3.0-or-later
// How F behaves beside 0, term by term, and where the arguments of
// logarithms reach 0.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "certifiedunits.h"

namespace core::cert {

namespace {

constexpr slong limitBits = 128;
// Sums of products of floats are exact here.
constexpr slong weightBits = 1024;

int signOf(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// a·g(L) for the outer function g of a term whose argument tends to L.
NearZero outerAtLimit(const TermParams& p, double at, arb_t limit) {
    Ball e;
    arb_set_d(limit, at);
    switch (p.shape) {
        case expShape: arb_exp(limit, limit, limitBits); break;
        case baseShape:
            if (p.m == 0 && at < 0) return {NearZero::noValue};
            if (p.m == 0 && at > 0) {
                arb_zero(limit);
                return {NearZero::limit};
            }
            if (p.m <= 0) return {NearZero::unknown};
            arb_set_d(e.v, p.m);
            arb_pow(limit, e.v, limit, limitBits);
            break;
        case logShape:
            if (at <= 0) return {NearZero::noValue};
            arb_log(limit, limit, limitBits);
            break;
        case sinShape: arb_sin(limit, limit, limitBits); break;
        case cosShape: arb_cos(limit, limit, limitBits); break;
        default: return {NearZero::unknown};
    }
    arb_set_d(e.v, p.a);
    arb_mul(limit, limit, e.v, limitBits);
    return {NearZero::limit};
}

// a·g(u) where the argument u = b·x^n + c grows without bound in the
// direction `towards` (n < 0).
NearZero outerOfUnbounded(const TermParams& p, int towards, arb_t limit, arb_t weight) {
    int grows = towards;  // the direction the outer function runs off in, or 0 when it tends to 0
    double order = HUGE_VAL;
    switch (p.shape) {
        case expShape: grows = towards > 0 ? 1 : 0; break;
        case baseShape:
            if (p.m == 1) return outerAtLimit(p, 0, limit);
            if (p.m < 0) return {NearZero::noValue};
            if (p.m == 0) return towards > 0 ? outerAtLimit(p, 1, limit) : NearZero{NearZero::noValue};
            grows = towards * (p.m > 1 ? 1 : -1) > 0 ? 1 : 0;
            break;
        case logShape:
            // ln(b·x^n + c) is n·ln|x| and a constant apart, tending to 0.
            if (towards < 0) return {NearZero::noValue};
            order = 0;
            break;
        case sinShape:
        case cosShape: return {p.a == 0 ? NearZero::limit : NearZero::bounded};
        default: return {NearZero::unknown};
    }
    if (grows == 0 || p.a == 0) return {NearZero::limit};
    if (order == 0) {
        arb_set_d(weight, -p.a * p.n);  // a float times a float: exact
    } else {
        arb_set_si(weight, signOf(p.a));
    }
    return {NearZero::unbounded, signOf(p.a), order};
}

}  // namespace

NearZero termNearZero(const TermParams& p, int side, arb_t limit, arb_t weight) {
    arb_zero(limit);
    arb_zero(weight);
    if (p.shape == constantShape) {
        arb_set_d(limit, p.k);
        return {NearZero::limit};
    }
    // x^n has no value left of 0 for a non-integer n, whatever multiplies it.
    if (side < 0 && !isInteger(p.n)) return {NearZero::noValue};
    // The sign of x^n beside 0.
    const int power = side < 0 && std::fmod(p.n, 2) != 0 ? -1 : 1;
    if (p.shape == powerShape) {
        if (p.n > 0 || p.b == 0) return {NearZero::limit};
        arb_set_d(weight, p.b * power);
        return {NearZero::unbounded, signOf(p.b) * power, -p.n};
    }
    if (powerLog(p)) {
        // a·ln(b·x^n) = a·ln|b| + a·n·ln|x| where b·x^n > 0.
        if (signOf(p.b) * power < 0) return {NearZero::noValue};
        if (p.a == 0) return {NearZero::limit};
        arb_set_d(weight, -p.a * p.n);
        return {NearZero::unbounded, signOf(-p.a * p.n), 0};
    }
    if (p.n < 0 && p.b != 0) return outerOfUnbounded(p, signOf(p.b) * power, limit, weight);
    // A float sum is exact in a double.
    const NearZero outer = outerAtLimit(p, p.n == 0 ? p.b + p.c : p.c, limit);
    if (outer.kind == NearZero::limit && p.a == 0) arb_zero(limit);
    return outer;
}

namespace {

// The fastest-growing unbounded terms seen so far, with their factors.
struct Fastest {
    double order = -1;
    Ball weight;
    int direction = 0;
    bool mixed = false;

    void take(const NearZero& t, const arb_t w) {
        if (t.order > order) {
            order = t.order;
            arb_zero(weight.v);
            direction = 0;
            mixed = false;
        }
        if (t.order < order) return;
        arb_add(weight.v, weight.v, w, weightBits);
        if (direction != 0 && direction != t.direction) mixed = true;
        direction = t.direction;
    }
    // Exponentials that run off in opposite directions cannot be compared
    // by a factor; powers and logarithms can.
    NearZero result() const {
        if (order == HUGE_VAL)
            return mixed ? NearZero{NearZero::unknown} : NearZero{NearZero::unbounded, direction, order};
        if (arb_contains_zero(weight.v)) return {NearZero::unknown};
        return {NearZero::unbounded, arb_is_positive(weight.v) ? 1 : -1, order};
    }
};

}  // namespace

NearZero nearZero(const std::vector<TermParams>& terms, int side, arb_t limit) {
    arb_zero(limit);
    Ball t, w;
    Fastest fastest;
    bool unknown = false, bounded = false;
    for (const TermParams& p : terms) {
        const NearZero k = termNearZero(p, side, t.v, w.v);
        switch (k.kind) {
            case NearZero::noValue: return k;
            case NearZero::unknown: unknown = true; break;
            case NearZero::bounded: bounded = true; break;
            case NearZero::limit: arb_add(limit, limit, t.v, limitBits); break;
            case NearZero::unbounded: fastest.take(k, w.v); break;
        }
    }
    if (unknown) return {NearZero::unknown};
    if (fastest.order >= 0) return fastest.result();
    return {bounded ? NearZero::bounded : NearZero::limit};
}

// The doubles where an argument of a logarithm (or of a power of base 0)
// reaches 0: b·x^n + c is monotone on each side of 0, so it has at most one
// zero on each. An exact zero gives one double, any other the two doubles
// around it. They only cut the range: nothing proved depends on them.
void domainEdges(const std::vector<TermParams>& terms, std::set<double>& cuts) {
    for (const TermParams& p : terms) {
        const bool edged = p.shape == logShape || (p.shape == baseShape && p.m == 0);
        if (!edged || p.b == 0 || p.n == 0) continue;
        Ball r, x, one;
        arb_set_d(r.v, -static_cast<double>(p.c));
        arb_set_d(x.v, p.b);
        arb_div(r.v, r.v, x.v, 256);  // x^n = -c/b
        for (int side : {1, -1}) {
            if (side < 0 && !isInteger(p.n)) continue;
            const bool odd = side < 0 && std::fmod(p.n, 2) != 0;
            if (odd)
                arb_neg(x.v, r.v);
            else
                arb_set(x.v, r.v);
            if (!arb_is_positive(x.v)) continue;
            arb_set_d(one.v, p.n);
            arb_inv(one.v, one.v, 256);
            arb_pow(x.v, x.v, one.v, 256);
            if (side < 0) arb_neg(x.v, x.v);
            if (!arb_is_finite(x.v)) continue;
            arf_t l, h;
            arf_init(l);
            arf_init(h);
            arb_get_lbound_arf(l, x.v, 256);
            arb_get_ubound_arf(h, x.v, 256);
            const double lo = arf_get_d(l, ARF_RND_FLOOR), hi = arf_get_d(h, ARF_RND_CEIL);
            arf_clear(l);
            arf_clear(h);
            const double mid = lo + (hi - lo) / 2;
            // b·mid^n + c exactly 0: the edge is a double.
            Ball u;
            arb_set_d(u.v, mid);
            powerReal(u.v, u.v, p.n, 4096);
            Ball bb;
            arb_set_d(bb.v, p.b);
            arb_mul(u.v, u.v, bb.v, 4096);
            arb_set_d(bb.v, p.c);
            arb_add(u.v, u.v, bb.v, 4096);
            if (std::isfinite(mid) && arb_is_zero(u.v)) {
                cuts.insert(mid);
            } else if (std::isfinite(lo) && std::isfinite(hi) &&
                       hi - lo < 1e-6 * std::max(1.0, std::fabs(mid))) {
                cuts.insert(lo);
                cuts.insert(hi);
            }
        }
    }
}

bool analysable(const TermParams& p) {
    auto finite = [](std::initializer_list<double> values) {
        return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
    };
    switch (p.shape) {
        case constantShape: return finite({p.k});
        case powerShape: return finite({p.b, p.n});
        case baseShape: return finite({p.a, p.b, p.n, p.c, p.m});
        case expShape:
        case logShape:
        case sinShape:
        case cosShape: return finite({p.a, p.b, p.n, p.c});
        default: return false;
    }
}

}  // namespace core::cert
