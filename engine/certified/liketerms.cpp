// SPDX-License-Identifier: GPL-3.0-or-later
// Like terms summed, and F's exact value in rationals where every term is
// rational at a point.
#include <cmath>

#include "certifiedunits.h"

namespace core::cert {

namespace {

// q = x, exactly.
void rational(fmpq_t q, double x) {
    arf_t f;
    fmpz_t man, exp;
    arf_init(f);
    fmpz_init(man);
    fmpz_init(exp);
    arf_set_d(f, x);
    arf_get_fmpz_2exp(man, exp, f);
    fmpz_set(fmpq_numref(q), man);
    fmpz_one(fmpq_denref(q));
    const slong e = fmpz_get_si(exp);
    if (e >= 0)
        fmpq_mul_2exp(q, q, static_cast<flint_bitcnt_t>(e));
    else
        fmpq_div_2exp(q, q, static_cast<flint_bitcnt_t>(-e));
    arf_clear(f);
    fmpz_clear(man);
    fmpz_clear(exp);
}

// t = x^n when it is rational and n small; base is scratch.
bool rationalPower(fmpq_t t, fmpq_t base, double x, double n) {
    if (std::fabs(n) > 64 || !isInteger(2 * n) || (x == 0 && n <= 0) || (x < 0 && !isInteger(n)))
        return false;
    if (x == 0) {
        fmpq_zero(t);
        return true;
    }
    if (isInteger(n)) {
        rational(base, x);
        fmpq_pow_si(t, base, static_cast<slong>(n));
        return true;
    }
    Ball r;
    arb_set_d(r.v, x);
    arb_sqrt(r.v, r.v, 128);  // a double's rational root has at most 27 bits
    if (!arb_is_exact(r.v)) return false;
    rational(base, arf_get_d(arb_midref(r.v), ARF_RND_NEAR));
    fmpq_pow_si(t, base, static_cast<slong>(2 * n));
    return true;
}

// into += x when the sum is exact.
bool addExactly(double& into, double x) {
    const double sum = into + x, back = sum - into;
    if (!std::isfinite(sum) || (into - (sum - back)) + (x - back) != 0) return false;
    into = sum;
    return true;
}

double& coefficient(TermParams& p) {
    return p.shape == constantShape ? p.k : (p.shape == powerShape ? p.b : p.a);
}

// Terms that differ only in their coefficient.
bool alike(const TermParams& p, const TermParams& q) {
    if (p.shape != q.shape) return false;
    if (p.shape == constantShape) return true;
    if (p.shape == powerShape) return p.n == q.n;
    return p.b == q.b && p.n == q.n && p.c == q.c && (p.shape != baseShape || p.m == q.m);
}

}  // namespace

// One form for terms that are the same function: b·x^0 is the constant
// b, and an argument b·x^n + c that cannot vary is written 0·x^0 + c.
TermParams canonical(TermParams p) {
    if (p.shape == powerShape && p.n == 0) return {constantShape, 0, 0, 0, 0, 0, p.b};
    if (p.shape == constantShape || p.shape == powerShape) return p;
    if (p.b == 0 && isInteger(p.n) && p.n > 0) p.n = 0;
    double c = p.c;
    if (p.n == 0 && p.b != 0 && addExactly(c, p.b)) p.b = 0, p.c = c;
    return p;
}

bool combineLike(TermParams& q, const TermParams& p) {
    TermParams added = p;
    return alike(q, p) && addExactly(coefficient(q), coefficient(added));
}

Evaluator::Evaluator(const Formula& formula) {
    for (int s = 1; s <= formula.count; ++s) {
        include(canonical({formula.shape[s], formula.a[s], formula.b[s], formula.n[s], formula.m[s],
                           formula.c[s], formula.k[s]}));
    }
}

void Evaluator::include(TermParams p) {
    for (TermParams& q : terms) {
        if (combineLike(q, p)) return;
    }
    terms.push_back(p);
}

bool Evaluator::exactlyZero(double x) const {
    fmpq_t sum, t, base;
    fmpq_init(sum);
    fmpq_init(t);
    fmpq_init(base);
    bool ok = true;
    for (const TermParams& p : terms) {
        fmpq_zero(t);
        if (p.shape == constantShape) {
            rational(t, p.k);
        } else if (p.shape == powerShape && p.b != 0) {
            ok = rationalPower(t, base, x, p.n);
            rational(base, p.b);
            fmpq_mul(t, t, base);
        } else if (p.shape == powerShape || p.a == 0) {
            // 0 wherever it has a value, and x has one
        } else {
            ok = false;
        }
        if (!ok) break;
        fmpq_add(sum, sum, t);
    }
    const bool zero = ok && fmpq_is_zero(sum);
    fmpq_clear(sum);
    fmpq_clear(t);
    fmpq_clear(base);
    return zero;
}

}  // namespace core::cert
