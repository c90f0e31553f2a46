// SPDX-License-Identifier: GPL-3.0-or-later
#include "exactpolynomial.h"

#include <acb.h>
#include <arb.h>
#include <arb_fmpz_poly.h>
#include <flint/fmpq.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>

namespace core::exact {

namespace {

constexpr int powerShape = 1, baseShape = 3, logShape = 4, sinShape = 5, constantShape = 7;
// Every float is a 24-bit integer times 2^e with e >= -172: scaling every
// coefficient by 2^172 makes them integers without changing the roots.
constexpr long floatScale = 172;

struct Integer {
    Integer() { fmpz_init(v); }
    ~Integer() { fmpz_clear(v); }
    Integer(const Integer& o) {
        fmpz_init(v);
        fmpz_set(v, o.v);
    }
    Integer& operator=(const Integer&) = delete;
    fmpz_t v;
};

struct Poly {
    Poly() { fmpz_poly_init(v); }
    ~Poly() { fmpz_poly_clear(v); }
    Poly(const Poly&) = delete;
    Poly& operator=(const Poly&) = delete;
    fmpz_poly_t v;
};

struct Dyadic {
    Dyadic() { arf_init(v); }
    explicit Dyadic(double x) : Dyadic() { arf_set_d(v, x); }
    ~Dyadic() { arf_clear(v); }
    Dyadic(const Dyadic& o) : Dyadic() { arf_set(v, o.v); }
    Dyadic& operator=(const Dyadic& o) {
        arf_set(v, o.v);
        return *this;
    }
    bool operator<(const Dyadic& o) const { return arf_cmp(v, o.v) < 0; }
    arf_t v;
};

// F as coefficients of x^e, each exactly 2^172 times the sum of its like terms.
struct Sparse {
    std::map<long, Integer> coefficients;
    bool negativePower = false;  // some power term has no value at 0
};

void addScaled(Sparse& s, long exponent, float value) {
    int e2 = 0;
    const double fraction = std::frexp(static_cast<double>(value), &e2);
    Integer term;
    fmpz_set_si(term.v, static_cast<slong>(std::ldexp(fraction, 24)));  // exact: 24 bits
    fmpz_mul_2exp(term.v, term.v, static_cast<ulong>(e2 - 24 + floatScale));
    fmpz_add(s.coefficients[exponent].v, s.coefficients[exponent].v, term.v);
}

bool wholeAndNotNegative(double n) { return std::isfinite(n) && n >= 0 && std::trunc(n) == n; }

// A term of another shape that is, exactly, a constant with a value at
// every x: one whose coefficient is 0, or whose argument is a constant
// that gives an exact value (e^0, m^0 and cos 0 are 1; sin 0 and ln 1 are
// 0). False when it is none of these.
bool exactConstantTerm(const Formula& f, int i, float& value) {
    const int shape = f.shape[i];
    const double a = f.a[i], b = f.b[i], n = f.n[i], c = f.c[i];
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) return false;
    if (shape == baseShape && !(f.m[i] > 0 && std::isfinite(f.m[i]))) return false;
    // b·x^n + c without x: x^0 is 1 everywhere, 0·x^n is 0 for a whole n.
    const bool constantArgument = n == 0 || (b == 0 && wholeAndNotNegative(n));
    const double argument = n == 0 ? b + c : c;
    value = 0;
    if (shape == logShape) {
        if (!constantArgument || !(argument > 0)) return false;
        return argument == 1 || a == 0;
    }
    if (!wholeAndNotNegative(n) && !constantArgument) return false;
    if (a == 0) return true;
    if (!constantArgument || argument != 0) return false;
    if (shape != sinShape) value = f.a[i];
    return true;
}

// False when a term is not a power with an integer exponent or a constant.
bool collect(const Formula& f, Sparse& s) {
    for (int i = 1; i <= f.count; ++i) {
        if (f.shape[i] == constantShape) {
            if (!std::isfinite(f.k[i])) return false;
            addScaled(s, 0, f.k[i]);
            continue;
        }
        if (f.shape[i] != powerShape) {
            float value = 0;
            if (!exactConstantTerm(f, i, value)) return false;
            if (value != 0) addScaled(s, 0, value);
            continue;
        }
        const double n = f.n[i];
        if (f.shape[i] != powerShape || !std::isfinite(f.b[i]) || std::trunc(n) != n || std::fabs(n) > 1e6)
            return false;
        if (n < 0) s.negativePower = true;
        addScaled(s, static_cast<long>(n), f.b[i]);
    }
    std::erase_if(s.coefficients, [](const auto& c) { return fmpz_is_zero(c.second.v); });
    return true;
}

void rationalOf(fmpq_t q, const arf_t x) {
    Integer m, e;
    arf_get_fmpz_2exp(m.v, e.v, x);
    const slong ex = fmpz_get_si(e.v);
    Integer den;
    fmpz_one(den.v);
    if (ex >= 0) {
        fmpz_mul_2exp(m.v, m.v, static_cast<ulong>(ex));
    } else {
        fmpz_mul_2exp(den.v, den.v, static_cast<ulong>(-ex));
    }
    fmpq_set_fmpz_frac(q, m.v, den.v);
}

// Exact signs taken by the current analysis; each runs on one thread.
thread_local long signsTaken = 0;

// The sign of p at x, exactly.
int signAt(const fmpz_poly_t p, const arf_t x) {
    ++signsTaken;
    fmpq_t q, v;
    fmpq_init(q);
    fmpq_init(v);
    rationalOf(q, x);
    fmpz_poly_evaluate_fmpq(v, p, q);
    const int s = fmpq_sgn(v);
    fmpq_clear(q);
    fmpq_clear(v);
    return s;
}

// A bracket [lo, hi] of dyadic ends holding exactly one root of a
// square-free p, which changes sign there; signLo is p's sign at lo (0 when
// lo is the root).
struct Bracket {
    Dyadic lo, hi;
    int signLo = 0, signHi = 0;
};

// A double strictly inside (lo, hi), near the middle; false when there is none.
bool doubleInside(const Dyadic& lo, const Dyadic& hi, double& out) {
    Dyadic mid;
    arf_add(mid.v, lo.v, hi.v, ARF_PREC_EXACT, ARF_RND_DOWN);
    arf_mul_2exp_si(mid.v, mid.v, -1);
    const double d = arf_get_d(mid.v, ARF_RND_NEAR);
    for (double c : {d, std::nextafter(d, HUGE_VAL), std::nextafter(d, -HUGE_VAL)}) {
        const Dyadic x(c);
        if (std::isfinite(c) && lo < x && x < hi) {
            out = c;
            return true;
        }
    }
    return false;
}

// Closes the bracket until no double lies strictly inside it, or its root is a double.
void narrowToDoubles(const fmpz_poly_t p, Bracket& b) {
    double m = 0;
    while (b.signLo != 0 && b.signHi != 0 && doubleInside(b.lo, b.hi, m)) {
        const Dyadic x(m);
        const int s = signAt(p, x.v);
        if (s == 0 || s == b.signLo) {
            b.lo = x;
            b.signLo = s;
        } else {
            b.hi = x;
            b.signHi = s;
        }
    }
}

Root rootOf(const Bracket& b, int multiplicity) {
    if (b.signLo == 0 || b.signHi == 0) {
        const double x = arf_get_d(b.signLo == 0 ? b.lo.v : b.hi.v, ARF_RND_NEAR);  // a double already
        return {x, x, multiplicity, {}};
    }
    return {arf_get_d(b.lo.v, ARF_RND_FLOOR), arf_get_d(b.hi.v, ARF_RND_CEIL), multiplicity, {}};
}

// The brackets of p's real roots within [lo, hi], in x order, from balls
// each proved to hold exactly one root.
std::vector<Bracket> realBrackets(const fmpz_poly_t p, double lo, double hi, slong prec) {
    const slong degree = fmpz_poly_degree(p);
    acb_ptr roots = _acb_vec_init(degree);
    arb_fmpz_poly_complex_roots(roots, p, 0, prec);
    std::vector<Bracket> out;
    const Dyadic rangeLo(lo), rangeHi(hi);
    for (slong i = 0; i < degree && arb_is_zero(acb_imagref(roots + i)); ++i) {
        Bracket b;
        arb_get_lbound_arf(b.lo.v, acb_realref(roots + i), ARF_PREC_EXACT);
        arb_get_ubound_arf(b.hi.v, acb_realref(roots + i), ARF_PREC_EXACT);
        // Clipped to the range, the bracket holds the root only if p still
        // changes sign (or is 0) at its ends.
        b.lo = std::max(b.lo, rangeLo);
        b.hi = std::min(b.hi, rangeHi);
        if (b.hi < b.lo) continue;
        b.signLo = signAt(p, b.lo.v);
        b.signHi = signAt(p, b.hi.v);
        if (b.signLo != 0 && b.signLo == b.signHi) continue;
        out.push_back(b);
    }
    _acb_vec_clear(roots, degree);
    return out;
}

// x rounded to nearest at `digits` significant digits.
Decimal decimalOf(const arf_t x, int digits) {
    mpfr_t m;
    mpfr_init2(m, std::max<slong>(arf_bits(x), 2));
    arf_get_mpfr(m, x, MPFR_RNDN);  // exact: enough bits
    mpfr_exp_t e = 0;
    char* raw = mpfr_get_str(nullptr, &e, 10, static_cast<std::size_t>(digits), m, MPFR_RNDN);
    Decimal out{raw, static_cast<long>(e)};
    mpfr_free_str(raw);
    mpfr_clear(m);
    return out;
}

// The root in b to `digits` significant digits: both ends of a bracket
// narrowed by Newton steps in Arb round to the same text. Empty when the
// root sits too near the middle of two texts to be told.
Decimal rootDigits(const fmpz_poly_t p, Bracket b, int digits) {
    if (b.signLo == 0 || b.signHi == 0) return decimalOf(b.signLo == 0 ? b.lo.v : b.hi.v, digits);
    const slong prec = static_cast<slong>(digits * 3.33) + 64;
    const double a = arf_get_d(b.lo.v, ARF_RND_FLOOR), c = arf_get_d(b.hi.v, ARF_RND_CEIL);
    for (const Bracket& fine : realBrackets(p, a, c, prec)) {
        if (!(b.lo < fine.hi) || !(fine.lo < b.hi)) continue;
        Bracket n = fine;
        n.lo = std::max(n.lo, b.lo);
        n.hi = std::min(n.hi, b.hi);
        n.signLo = signAt(p, n.lo.v);
        n.signHi = signAt(p, n.hi.v);
        if (n.signLo != 0 && n.signLo == n.signHi) continue;
        for (int step = 0; step < 64; ++step) {
            if (n.signLo == 0 || n.signHi == 0) return rootDigits(p, n, digits);
            const Decimal l = decimalOf(n.lo.v, digits), h = decimalOf(n.hi.v, digits);
            if (l == h) return l;
            Dyadic mid;
            arf_add(mid.v, n.lo.v, n.hi.v, ARF_PREC_EXACT, ARF_RND_DOWN);
            arf_mul_2exp_si(mid.v, mid.v, -1);
            const int s = signAt(p, mid.v);
            (s == n.signLo ? n.lo : n.hi) = mid;
            (s == n.signLo ? n.signLo : n.signHi) = s;
        }
        return {};
    }
    return {};
}

// The polynomial x^-low · F over a common factor, its constant term not 0.
void denseOf(const Sparse& s, fmpz_poly_t q) {
    const long low = s.coefficients.begin()->first;
    for (const auto& [e, c] : s.coefficients) fmpz_poly_set_coeff_fmpz(q, e - low, c.v);
    fmpz_poly_primitive_part(q, q);
}

void addFactorRoots(const fmpz_poly_t p, int multiplicity, double lo, double hi, int digits,
                    std::vector<Root>& roots) {
    for (Bracket b : realBrackets(p, lo, hi, 64)) {
        narrowToDoubles(p, b);
        Root r = rootOf(b, multiplicity);
        if (digits > 0) r.digits = rootDigits(p, b, digits);
        roots.push_back(r);
    }
}

}  // namespace

std::optional<Analysis> analyse(const Formula& f, double lo, double hi, int digits) {
    signsTaken = 0;
    Sparse s;
    if (!collect(f, s)) return std::nullopt;
    Analysis out;
    const bool zeroInside = lo <= 0 && hi >= 0;
    out.noValueAtZero = zeroInside && s.negativePower;
    if (s.coefficients.empty()) {
        // F is 0 wherever it has a value; a point without one is not "everywhere".
        if (out.noValueAtZero) return std::nullopt;
        out.zeroEverywhere = true;
        return out;
    }
    const long low = s.coefficients.begin()->first, high = s.coefficients.rbegin()->first;
    if (high - low > maxDegree) return std::nullopt;
    // x^low times a polynomial with a constant term: unbounded at 0 when low < 0.
    out.poleAtZero = out.noValueAtZero && low < 0;
    Poly q;
    denseOf(s, q.v);
    fmpz_poly_factor_t factors;
    fmpz_poly_factor_init(factors);
    fmpz_poly_factor_squarefree(factors, q.v);
    for (slong i = 0; i < factors->num; ++i)
        addFactorRoots(factors->p + i, static_cast<int>(factors->exp[i]), lo, hi, digits, out.roots);
    fmpz_poly_factor_clear(factors);
    if (zeroInside && !s.negativePower && low > 0) {
        Root zero{0, 0, static_cast<int>(low), {}};
        if (digits > 0) zero.digits = decimalOf(Dyadic(0.0).v, digits);
        out.roots.push_back(zero);
    }
    std::sort(out.roots.begin(), out.roots.end(), [](const Root& a, const Root& b) { return a.lo < b.lo; });
    out.evaluations = signsTaken;
    return out;
}

std::optional<Certified> certified(const Formula& f, Range range, const std::atomic<bool>* cancel) {
    const double lo = std::min(range.start, range.end), hi = std::max(range.start, range.end);
    // A range of one point, or without finite ends, is refused by the general analysis.
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo == hi || (cancel && cancel->load())) return std::nullopt;
    const std::optional<Analysis> a = analyse(f, lo, hi);
    if (!a) return std::nullopt;
    Certified out;
    out.complete = true;
    out.zeroEverywhere = a->zeroEverywhere;
    out.evaluations = a->evaluations;
    for (const Root& r : a->roots) out.findings.push_back({Finding::root, r.lo, r.hi, r.multiplicity});
    if (a->noValueAtZero) {
        const Finding atZero{a->poleAtZero ? Finding::pole : Finding::undefined, 0, 0, 1};
        const auto after = std::find_if(out.findings.begin(), out.findings.end(),
                                        [](const Finding& g) { return g.lo > 0; });
        out.findings.insert(after, atZero);
    }
    return out;
}

}  // namespace core::exact
