#include "certified.h"

#include "exactpolynomial.h"

#include <arb.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace core {

namespace {

// Working precisions in bits. 64 decides nearly every sign; exact zeros of
// sums of products of doubles and floats need about 106, and a sign that is
// still open at the point limit is reported as unresolved.
constexpr slong startBits = 64;
constexpr slong blockBitLimit = 256;
constexpr slong pointBitLimit = 1024;
// Blocks are not split below this share of |x| (or 1e-12 near 0); what is
// still open there is a possible multiple root.
constexpr double relativeWidth = 1e-12;
// Refining one root to neighbouring doubles takes about ten evaluations;
// an ill-conditioned one stops here with a wider, still proved, enclosure.
constexpr long rootEvaluationLimit = 400;

// An arb_t that frees itself.
struct Ball {
    Ball() { arb_init(v); }
    ~Ball() { arb_clear(v); }
    Ball(const Ball&) = delete;
    Ball& operator=(const Ball&) = delete;
    arb_t v;
};

// A set of reals that may reach to infinity on one side: a ball; everything
// at or above the ball's lower end; at or below its upper end; or anything.
// Near a pole or a domain edge a term is unbounded, and a ball cannot say
// "at least 5" while a bound with a direction can.
enum class Reach { ball, above, below, whole };
struct Ext {
    Ball v;
    Reach reach = Reach::ball;

    void set(const arb_t x, Reach r = Reach::ball) {
        arb_set(v.v, x);
        reach = r;
    }
    void setDouble(double x, Reach r = Reach::ball) {
        arb_set_d(v.v, x);
        reach = r;
    }
    void setWhole() {
        arb_indeterminate(v.v);
        reach = Reach::whole;
    }
    bool excludesZero() const {
        switch (reach) {
            case Reach::ball: return arb_is_finite(v.v) && !arb_contains_zero(v.v);
            case Reach::above: return arb_is_positive(v.v);
            case Reach::below: return arb_is_negative(v.v);
            case Reach::whole: return false;
        }
        return false;
    }
    // +1 or -1; only when excludesZero().
    int sign() const {
        if (reach == Reach::above) return 1;
        if (reach == Reach::below) return -1;
        return arb_is_positive(v.v) ? 1 : -1;
    }
    // Multiplies by a factor known to lie in s (it may vary over the set;
    // a bound times the ball still bounds the products).
    void scale(const arb_t s, slong prec) {
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
    void scaleDouble(double s, slong prec) {
        Ball b;
        arb_set_d(b.v, s);
        scale(b.v, prec);
    }
    void add(const Ext& x, slong prec) {
        if (reach == Reach::whole || x.reach == Reach::whole ||
            (reach != Reach::ball && x.reach != Reach::ball && reach != x.reach)) {
            setWhole();
            return;
        }
        arb_add(v.v, v.v, x.v.v, prec);
        if (reach == Reach::ball) reach = x.reach;
    }
    void addDouble(double x, slong prec) {
        if (reach == Reach::whole) return;
        Ball b;
        arb_set_d(b.v, x);
        arb_add(v.v, v.v, b.v, prec);
    }
};

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

struct Status {
    bool undefinedAll = false;  // no point of the block has a value
    bool partial = false;       // some points of the block may have none
    // Powers of base 0 are 0 where the exponent is positive and 1 at the
    // one point where it is 0: their terms count 0 in the sum, and these
    // are the values they add at that point.
    std::vector<double> jumps;
    // Logarithms whose argument reaches 0 inside the block (one end above,
    // the other at or below): F has a value on one side of that edge only.
    // edgeLimit is the sign of the infinity F tends to there: +1 or -1 when
    // that is the only way the block lacks values and every other term stays
    // bounded on it; 0 otherwise.
    int edges = 0;
    int edgeLimit = 0;
};

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
}

enum TermShape { powerShape = 1, expShape, baseShape, logShape, sinShape, cosShape, constantShape };

struct TermParams {
    int shape = 0;
    double a = 0, b = 0, n = 0, m = 0, c = 0, k = 0;
};

// F and F' over a block, or at a point when lo == hi.
struct BlockValue {
    Ext f, df;
    Status status;
    // Where powers of 0 jump: F keeps off 0 at every point, though with
    // different signs at the jump; F is 0 at every point but the jumps.
    bool offZero = false, zeroButJumps = false;
};

class Evaluator {
public:
    // Like terms are summed (exactly, or not at all): 3x^-3 - 3x^-3 is 0 on
    // any block, where two balls for the same x would leave a ball around 0.
    explicit Evaluator(const Formula& formula) {
        for (int s = 1; s <= formula.count; ++s) {
            include(canonical({formula.shape[s], formula.a[s], formula.b[s], formula.n[s], formula.m[s],
                               formula.c[s], formula.k[s]}));
        }
    }
    const std::vector<TermParams>& params() const { return terms; }

    void evaluate(double lo, double hi, slong prec, BlockValue& out) const {
        Ball x;
        if (lo == hi) {
            arb_set_d(x.v, lo);
        } else {
            arf_t l, h;
            arf_init(l);
            arf_init(h);
            arf_set_d(l, lo);
            arf_set_d(h, hi);
            arb_set_interval_arf(x.v, l, h, prec);
            arf_clear(l);
            arf_clear(h);
        }
        out.status = {};
        out.f.setDouble(0);
        out.df.setDouble(0);
        Ext v, dv;
        // ln(b·x^n) = ln|b| + n·ln|x| where b·x^n > 0: such logarithms share
        // one ln|x|, whose coefficients are summed first, so that two of them
        // that tend to infinity in opposite directions beside 0 do not hide
        // which one wins.
        Ball lnCoefficient;
        bool othersBounded = true;  // every term but those with an edge
        const auto bounded = [](const Ext& e) { return e.reach == Reach::ball && arb_is_finite(e.v.v); };
        for (const TermParams& p : terms) {
            const int edges = out.status.edges;
            // At a point, ln(b·x^n) itself: ln 2 + ln 0.5 is no exact 0.
            if (powerLog(p) && lo != hi) {
                if (!powerLogTerm(p, lo, hi, prec, v, lnCoefficient.v)) {
                    out.status.undefinedAll = true;
                    return;
                }
                dv.setDouble(0);
            } else {
                term(p, lo, hi, x.v, prec, v, dv, out.status);
                if (out.status.undefinedAll) return;
            }
            if (out.status.edges == edges && !bounded(v)) othersBounded = false;
            out.f.add(v, prec);
            out.df.add(dv, prec);
        }
        if (!arb_is_zero(lnCoefficient.v)) {
            logOfX(lo, hi, prec, v, dv);
            v.scale(lnCoefficient.v, prec);
            dv.scale(lnCoefficient.v, prec);
            if (!bounded(v)) othersBounded = false;
            out.f.add(v, prec);
            out.df.add(dv, prec);
        }
        // The slope holds where F has a value only beside a single edge.
        const bool single = out.status.edges == 1 && !out.status.partial && othersBounded &&
                            out.status.jumps.empty();
        if (out.status.edges > 0) out.status.partial = true;
        if (!single) out.status.edgeLimit = 0;
        if (out.status.partial && !single) out.df.setWhole();
        out.offZero = out.f.excludesZero();
        out.zeroButJumps = false;
        if (!out.status.jumps.empty()) {
            out.zeroButJumps = out.f.reach == Reach::ball && arb_is_zero(out.f.v.v);
            out.offZero = withJumps(out.f, out.status.jumps, prec);
        }
    }

    // F where the powers of 0 jump: at such a point F is the sum plus the
    // jump. One jump keeps F's sign when both values have it; otherwise F
    // takes in every value the jumps can add. True when no value is 0.
    static bool withJumps(Ext& f, const std::vector<double>& jumps, slong prec) {
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
    // exact 0 when this says so. False for F of another kind.
    bool exactlyZero(double x) const {
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

    // A logarithm of b·x^n alone: its argument reaches 0 only at x = 0.
    static bool powerLog(const TermParams& p) { return p.shape == logShape && p.c == 0 && p.b != 0 && p.n != 0; }

private:
    // q = x, exactly.
    static void rational(fmpq_t q, double x) {
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
        if (e >= 0) fmpq_mul_2exp(q, q, static_cast<flint_bitcnt_t>(e));
        else fmpq_div_2exp(q, q, static_cast<flint_bitcnt_t>(-e));
        arf_clear(f);
        fmpz_clear(man);
        fmpz_clear(exp);
    }

    // t = x^n when it is rational and n small; base is scratch.
    static bool rationalPower(fmpq_t t, fmpq_t base, double x, double n) {
        if (std::fabs(n) > 64 || !isInteger(2 * n) || (x == 0 && n <= 0) || (x < 0 && !isInteger(n))) return false;
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
    static bool addExactly(double& into, double x) {
        const double sum = into + x, back = sum - into;
        if (!std::isfinite(sum) || (into - (sum - back)) + (x - back) != 0) return false;
        into = sum;
        return true;
    }

    // One form for terms that are the same function: b·x^0 is the constant
    // b, and an argument b·x^n + c that cannot vary is written 0·x^0 + c.
    static TermParams canonical(TermParams p) {
        if (p.shape == powerShape && p.n == 0) return {constantShape, 0, 0, 0, 0, 0, p.b};
        if (p.shape == constantShape || p.shape == powerShape) return p;
        if (p.b == 0 && isInteger(p.n) && p.n > 0) p.n = 0;
        double c = p.c;
        if (p.n == 0 && p.b != 0 && addExactly(c, p.b)) p.b = 0, p.c = c;
        return p;
    }

    static double& coefficient(TermParams& p) {
        return p.shape == constantShape ? p.k : (p.shape == powerShape ? p.b : p.a);
    }

    // Terms that differ only in their coefficient.
    static bool alike(const TermParams& p, const TermParams& q) {
        if (p.shape != q.shape) return false;
        if (p.shape == constantShape) return true;
        if (p.shape == powerShape) return p.n == q.n;
        return p.b == q.b && p.n == q.n && p.c == q.c && (p.shape != baseShape || p.m == q.m);
    }

    void include(TermParams p) {
        for (TermParams& q : terms) {
            if (alike(q, p) && addExactly(coefficient(q), coefficient(p))) return;
        }
        terms.push_back(p);
    }

    // a·ln|b| into v and a·n onto the coefficient of ln|x|; false where
    // b·x^n <= 0 on the block (which lies on one side of 0).
    static bool powerLogTerm(const TermParams& p, double lo, double hi, slong prec, Ext& v, arb_t coefficient) {
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
    static void logOfX(double lo, double hi, slong prec, Ext& v, Ext& dv) {
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

    static void term(const TermParams& p, double lo, double hi, const arb_t x, slong prec, Ext& v, Ext& dv,
                     Status& s) {
        if (p.shape == constantShape) {
            v.setDouble(p.k);
            dv.setDouble(0);
            return;
        }
        Ext t, dt;
        powerOn(lo, hi, x, p.n, prec, t, dt, s);
        if (s.undefinedAll) return;
        // b·x^n. At a point, a negative power is a division by x^-n: it
        // rounds once where b·x^n rounds twice, so a root at a double
        // (0.001/x + 1 at x = -0.001) stays an exact zero.
        Ext u;
        if (lo == hi && lo != 0 && p.n < 0 && isInteger(p.n)) {
            Ball d;
            powerInteger(d.v, x, -p.n, prec);
            arb_set_d(u.v.v, p.b);
            arb_div(u.v.v, u.v.v, d.v, prec);
            u.reach = Reach::ball;
        } else {
            u.set(t.v.v, t.reach);
            u.scaleDouble(p.b, prec);
        }
        if (p.shape == powerShape) {
            v.set(u.v.v, u.reach);
            dv.set(dt.v.v, dt.reach);
            dv.scaleDouble(p.b, prec);
            return;
        }
        // u = b·x^n + c, the argument of the outer function.
        u.addDouble(p.c, prec);
        // The outer function's slope over the block, which the chain rule
        // multiplies by a, b and the slope of x^n.
        Ball slope;
        bool slopeKnown = false, constant = false, jumps = false, edge = false;
        switch (p.shape) {
            case expShape:
                exponential(u, nullptr, prec, v, slope.v);
                slopeKnown = u.reach == Reach::ball;
                break;
            case baseShape:
                if (!powerOfBase(p, u, lo, hi, prec, v, slope.v, s, jumps)) return;
                // m = 1, and m <= 0 where it has a value, give a constant.
                constant = !jumps && (p.m == 1 || p.m <= 0);
                slopeKnown = u.reach == Reach::ball;
                break;
            case logShape:
                if (!logarithm(p, lo, hi, u, prec, v, slope.v, slopeKnown, edge, s)) return;
                break;
            case sinShape:
            case cosShape:
                if (u.reach == Reach::ball) {
                    Ball sn, cs;
                    arb_sin_cos(sn.v, cs.v, u.v.v, prec);
                    v.set(p.shape == sinShape ? sn.v : cs.v);
                    if (p.shape == sinShape) {
                        arb_set(slope.v, cs.v);
                    } else {
                        arb_neg(slope.v, sn.v);
                    }
                    slopeKnown = true;
                } else {
                    arb_zero_pm_one(v.v.v);
                    v.reach = Reach::ball;
                }
                break;
            default:
                s.partial = true;
                v.setWhole();
                dv.setWhole();
                return;
        }
        v.scaleDouble(p.a, prec);
        if (constant) {
            dv.setDouble(0);
            return;
        }
        if (edge) {
            edgeSlope(p, dt, slope.v, prec, dv);
            return;
        }
        if (!slopeKnown || jumps) {
            dv.setWhole();
            return;
        }
        Ball factor, bb;
        arb_set_d(factor.v, p.a);
        arb_mul(factor.v, factor.v, slope.v, prec);
        arb_set_d(bb.v, p.b);
        arb_mul(factor.v, factor.v, bb.v, prec);
        dv.set(dt.v.v, dt.reach);
        dv.scale(factor.v, prec);
    }

    // ln u into v, and 1/u into slope when it is known over the block. False
    // when the block has no value at all (s says so).
    static bool logarithm(const TermParams& p, double lo, double hi, const Ext& u, slong prec, Ext& v, arb_t slope,
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
        } else if (byEnds && p.a != 0 && (arb_is_positive(ends[0].v) ? atMostZero(ends[1].v)
                                                                      : arb_is_positive(ends[1].v) &&
                                                                            atMostZero(ends[0].v))) {
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
            if (byEnds) arb_union(all.v, ends[0].v, ends[1].v, prec); else arb_set(all.v, u.v.v);
            upperEnd(v.v.v, all.v);
            arb_log(v.v.v, v.v.v, prec);
            v.reach = Reach::below;
        } else {
            s.partial = true;
            v.setWhole();
        }
        return true;
    }

    // The slope of a·ln(b·x^n + c) where its argument falls to 0 inside the
    // block: a·b·(slope of x^n) times 1/u, which is at least `inverse` (1/U)
    // and unbounded towards the edge.
    static void edgeSlope(const TermParams& p, const Ext& dt, const arb_t inverse, slong prec, Ext& dv) {
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

    // b·x^n + c at lo and at hi, when both are finite and the block lies on
    // one side of 0, where x^n, and so the argument, is monotone.
    static bool argumentAtEnds(const TermParams& p, double lo, double hi, slong prec, Ball (&ends)[2]) {
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
    static void exponential(const Ext& w, const arb_t lnm, slong prec, Ext& v, arb_t slope) {
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
    }

    // e^w over a wide ball w: the ball of arb_exp reaches below 0 once w's
    // radius passes ln 2, yet e^w > 0. The ends of w give a ball that stays
    // positive while they are less than about 2^30 apart; beyond that only
    // the lower bound is kept.
    static void positiveExp(const arb_t w, slong prec, Ext& v) {
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
        if (!arb_is_positive(v.v.v)) v.set(low.v, Reach::above);
        arf_clear(l);
        arf_clear(h);
    }

    // m^u. False when the block has no value at all (s says so).
    static bool powerOfBase(const TermParams& p, const Ext& u, double lo, double hi, slong prec, Ext& v, arb_t slope,
                            Status& s, bool& jumps) {
        arb_zero(slope);
        if (p.m == 1) {
            v.setDouble(1);
            return true;
        }
        if (p.m > 0) {
            Ball lnm;
            arb_set_d(lnm.v, p.m);
            arb_log(lnm.v, lnm.v, prec);
            exponential(u, lnm.v, prec, v, slope);
            return true;
        }
        if (p.m == 0) {
            // 0^u: 0 for u > 0, 1 at u = 0, no value below. u is monotone on
            // the block, so its ends tell where it stands.
            Ball ends[2];
            const bool byEnds = lo != hi && argumentAtEnds(p, lo, hi, prec, ends);
            const bool positive =
                (u.excludesZero() && u.sign() > 0) ||
                (byEnds && arb_is_positive(ends[0].v) && arb_is_positive(ends[1].v));
            const bool negative =
                (u.excludesZero() && u.sign() < 0) ||
                (byEnds && atMostZero(ends[0].v) && atMostZero(ends[1].v) &&
                 !(arb_is_zero(ends[0].v) && arb_is_zero(ends[1].v)));
            if (u.reach == Reach::ball && arb_is_zero(u.v.v)) {
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
        // A negative base has real powers only at integer exponents: a
        // constant integer exponent gives a constant; any exponent that
        // varies with x leaves only isolated points, which we count as none.
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

    std::vector<TermParams> terms;
};

// How F behaves as x approaches 0 from one side (+1 from above, -1 from
// below): +1 or -1 when it grows without bound in that direction because of a
// negative power; 0 when that cannot be said.
int poleDirection(const std::vector<TermParams>& terms, int side) {
    int up = 0, down = 0;
    bool negativePower = false;
    for (const TermParams& p : terms) {
        if (p.shape == constantShape) continue;
        if (p.shape < powerShape || p.shape > constantShape) return 0;
        // Powers of a base <= 0 have values only here and there, and a
        // logarithm of a constant <= 0 none at all: no pole to speak of.
        if (p.shape == baseShape && p.m <= 0) return 0;
        if (p.shape == logShape && p.b == 0 && p.c <= 0) return 0;
        // The direction in which x^n grows near 0, or 0 when it stays bounded.
        int grows = 0;
        if (p.n < 0) {
            negativePower = true;
            if (side < 0 && !isInteger(p.n)) return 0;  // no value left of 0
            grows = side > 0 || std::fmod(p.n, 2) == 0 ? 1 : -1;
        } else if (p.shape == logShape) {
            // ln(b·x^n + c) near 0 with n >= 0: bounded unless the argument tends to 0.
            const double at0 = p.n == 0 ? p.b + p.c : p.c;
            if (at0 < 0) return 0;
            if (at0 == 0) return 0;  // tends to 0 or has no value: not a pole of ours
            continue;
        } else {
            continue;
        }
        const int u = (p.b > 0 ? 1 : (p.b < 0 ? -1 : 0)) * grows;  // where b·x^n + c goes
        const int a = p.a > 0 ? 1 : (p.a < 0 ? -1 : 0);
        int term = 0;
        switch (p.shape) {
            case powerShape: term = u; break;
            case expShape: term = u > 0 ? a : 0; break;
            case baseShape:
                if (p.m == 1) break;
                term = u * (p.m > 1 ? 1 : -1) > 0 ? a : 0;
                break;
            case logShape:
                if (u < 0) return 0;  // no value beside 0
                term = u > 0 ? a : 0;
                break;
            default: break;  // sine and cosine stay bounded
        }
        if (term > 0) ++up;
        if (term < 0) ++down;
    }
    if (!negativePower || (up > 0) == (down > 0)) return 0;
    return up > 0 ? 1 : -1;
}

// The direction F tends to as x approaches 0 from one side: a pole's, or
// else that of the logarithms of b·x^n, whose ln|x| outweighs every term
// that stays bounded there. 0 when it cannot be said.
int limitDirection(const std::vector<TermParams>& terms, int side) {
    if (const int pole = poleDirection(terms, side)) return pole;
    double coefficient = 0;  // of ln|x|
    for (const TermParams& p : terms) {
        if (p.shape == constantShape) continue;
        if (Evaluator::powerLog(p)) {
            if (side < 0 && !isInteger(p.n)) return 0;
            const bool powerNegative = side < 0 && std::fmod(p.n, 2) != 0;
            if ((p.b > 0) == powerNegative) return 0;  // no value on this side
            coefficient += static_cast<double>(p.a) * p.n;
            continue;
        }
        if (p.shape == powerShape ? p.b == 0 : p.a == 0) continue;  // 0 wherever it has a value
        const bool constantArgument = p.b == 0 || p.n == 0;
        bool bounded = p.n >= 0 || constantArgument;
        // A negative base has real powers only for an exponent that cannot
        // vary; powers of base 0 are 0 or 1.
        if (p.shape == baseShape && p.m < 0) bounded = constantArgument;
        if (p.shape == logShape && (p.n == 0 ? p.b + p.c : p.c) <= 0) bounded = false;
        if (!bounded) return 0;
    }
    return coefficient > 0 ? -1 : (coefficient < 0 ? 1 : 0);
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
            if (odd) arb_neg(x.v, r.v); else arb_set(x.v, r.v);
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
            } else if (std::isfinite(lo) && std::isfinite(hi) && hi - lo < 1e-6 * std::max(1.0, std::fabs(mid))) {
                cuts.insert(lo);
                cuts.insert(hi);
            }
        }
    }
}

// The sign of F at a point: -1, 0 (exactly), +1; or none (no value, or
// undecided at the highest precision).
// vanishing: no value here, though F tends to 0 beside it.
enum class PointSign { negative, zero, positive, undefined, undecided, vanishing };

// a·g(u) for the outer function g of a term at its argument's limit u,
// where g is continuous there.
bool outerLimit(const TermParams& p, arb_t u, slong prec) {
    Ball e;
    switch (p.shape) {
        case expShape: arb_exp(u, u, prec); break;
        case baseShape:
            if (p.m == 0 && arb_is_positive(u)) {
                arb_zero(u);
                return true;
            }
            if (p.m <= 0) return false;
            arb_set_d(e.v, p.m);
            arb_pow(u, e.v, u, prec);
            break;
        case logShape:
            if (!arb_is_positive(u)) return false;
            arb_log(u, u, prec);
            break;
        case sinShape: arb_sin(u, u, prec); break;
        case cosShape: arb_cos(u, u, prec); break;
        default: return false;
    }
    arb_set_d(e.v, p.a);
    arb_mul(u, u, e.v, prec);
    return true;
}

// The limit of a term's argument b·x^n + c as x approaches 0 from one side,
// when it is finite.
bool argumentLimit(const TermParams& p, int side, arb_t out) {
    if (p.n < 0 && p.b != 0) return false;
    if (p.n != 0 && !isInteger(p.n) && side < 0) return false;
    arb_set_d(out, p.n == 0 ? static_cast<double>(p.b) + p.c : p.c);  // a float sum is exact in a double
    return true;
}

// F's limit as x approaches 0 from one side (+1 above, -1 below) where every
// term tends to a finite value: a power of 0 to 0, a term without a factor
// (b or a = 0) to 0 whatever its power does. False when one may not.
bool limitAtZero(const std::vector<TermParams>& terms, int side, arb_t out) {
    constexpr slong prec = 128;
    arb_zero(out);
    Ball t;
    for (const TermParams& p : terms) {
        if (p.shape == constantShape) {
            arb_set_d(t.v, p.k);
        } else if (p.shape == powerShape) {
            if (p.b != 0 && p.n < 0) return false;
            if (p.b != 0 && p.n != 0 && !isInteger(p.n) && side < 0) return false;
            arb_set_d(t.v, p.n == 0 ? p.b : 0);
        } else if (p.a == 0) {
            arb_zero(t.v);
        } else {
            if (!argumentLimit(p, side, t.v)) return false;
            if (!outerLimit(p, t.v, prec)) return false;
        }
        arb_add(out, out, t.v, prec);
    }
    return true;
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

class Certifier {
public:
    Certifier(const Formula& f, long budget, const std::atomic<bool>* cancel)
        : eval(f), budget(budget), cancel(cancel) {}

    Certified run(Range range) {
        Certified out;
        const double lo = std::min(range.start, range.end), hi = std::max(range.start, range.end);
        if (!std::isfinite(lo) || !std::isfinite(hi)) {
            out.rangeUsable = false;
            return out;
        }
        // A shape code without a rule, or a parameter the shape reads that
        // is not finite, leaves nothing to prove: only a table written by
        // hand holds them.
        if (!std::all_of(eval.params().begin(), eval.params().end(), analysable)) {
            out.findings.push_back({Finding::unresolved, lo, hi});
            return out;
        }
        pole = poleDirection(eval.params(), 1) != 0 || poleDirection(eval.params(), -1) != 0;
        towardsUp = besideZero(1);
        towardsDown = besideZero(-1);
        std::set<double> cuts{lo, hi};
        // Where some term is not analytic at 0 (a negative or fractional
        // power, a logarithm of b·x^n), 0 splits the range.
        const bool zeroCut = std::any_of(eval.params().begin(), eval.params().end(), [](const TermParams& p) {
            return p.shape != constantShape && (p.n < 0 || !isInteger(p.n) || Evaluator::powerLog(p) ||
                                                (p.shape == baseShape && p.m == 0 && p.c == 0));
        });
        if (lo < 0 && hi > 0 && zeroCut) cuts.insert(0.0);
        std::set<double> edges;
        domainEdges(eval.params(), edges);
        for (double e : edges) {
            if (e > lo && e < hi) cuts.insert(e);
        }
        for (double cut : cuts) boundary(cut);
        // Breadth first: every block of one level of bisection, left to
        // right, before any of the next. When the evaluations run out, what
        // is left is where F is hardest, not everything right of it.
        std::deque<std::pair<double, double>> queue;
        for (auto c = cuts.begin(); std::next(c) != cuts.end(); ++c) queue.push_back({*c, *std::next(c)});
        while (!queue.empty()) {
            const auto [a, b] = queue.front();
            queue.pop_front();
            if (spent()) {
                add(Finding::unresolved, a, b);
                continue;
            }
            const double m = middle(a, b);
            if (settle(a, b, m == a) == Outcome::split) {
                queue.push_back({a, m});
                queue.push_back({m, b});
            }
        }
        out.findings = ordered();
        out.evaluations = used;
        out.complete = std::none_of(out.findings.begin(), out.findings.end(),
                                    [](const Finding& g) { return g.kind == Finding::unresolved; });
        return out;
    }

private:
    bool spent() const { return used >= budget || (cancel && cancel->load(std::memory_order_relaxed)); }

    void add(Finding::Kind kind, double lo, double hi) { findings.push_back({kind, lo, hi}); }

    // The findings in x order. Stretches of one kind that touch become one;
    // an exact zero inside a possible multiple root is part of it.
    std::vector<Finding> ordered() {
        std::sort(findings.begin(), findings.end(), [](const Finding& x, const Finding& y) {
            return x.lo != y.lo ? x.lo < y.lo : (x.hi != y.hi ? x.hi < y.hi : x.kind < y.kind);
        });
        auto stretch = [](Finding::Kind k) {
            return k == Finding::undefined || k == Finding::multiple || k == Finding::unresolved;
        };
        std::vector<Finding> out;
        for (const Finding& g : findings) {
            if (!out.empty()) {
                Finding& last = out.back();
                if (g.kind == last.kind && g.lo == last.lo && g.hi == last.hi) continue;
                if (stretch(g.kind) && g.kind == last.kind && last.hi >= g.lo) {
                    last.hi = std::max(last.hi, g.hi);
                    continue;
                }
                if (g.kind == Finding::root && g.lo == g.hi && last.kind == Finding::multiple && last.hi >= g.lo)
                    continue;
                if (g.kind == Finding::multiple && last.kind == Finding::root && last.lo == last.hi &&
                    last.lo >= g.lo && out.size() >= 2 && out[out.size() - 2].kind == Finding::multiple &&
                    out[out.size() - 2].hi >= last.lo) {
                    out.pop_back();
                    out.back().hi = std::max(out.back().hi, g.hi);
                    continue;
                }
                if (g.kind == Finding::multiple && last.kind == Finding::root && last.lo == last.hi &&
                    last.lo >= g.lo) {
                    out.back() = g;
                    continue;
                }
            }
            out.push_back(g);
        }
        return out;
    }

    void evaluate(double lo, double hi, slong prec, BlockValue& v) {
        ++used;
        eval.evaluate(lo, hi, prec, v);
    }

    PointSign signAt(double x, BlockValue* value = nullptr) {
        if (!value) {
            const auto seen = signs.find(x);
            if (seen != signs.end()) return seen->second;
        }
        BlockValue local;
        BlockValue& v = value ? *value : local;
        PointSign s = PointSign::undecided;
        for (slong prec = startBits; prec <= pointBitLimit && !spent(); prec *= 2) {
            evaluate(x, x, prec, v);
            if (v.status.undefinedAll) {
                s = PointSign::undefined;
                break;
            }
            if (v.status.partial) continue;  // an argument too near 0 to tell its sign yet
            if (v.f.reach == Reach::ball && arb_is_zero(v.f.v.v)) {
                s = PointSign::zero;
                break;
            }
            if (v.f.excludesZero()) {
                s = v.f.sign() > 0 ? PointSign::positive : PointSign::negative;
                break;
            }
        }
        if (s == PointSign::undecided && !spent() && !v.status.partial && eval.exactlyZero(x)) s = PointSign::zero;
        if (s != PointSign::undecided || !spent()) signs[x] = s;
        return s;
    }

    // A boundary of the pieces: a root, a pole or a point without a value.
    void boundary(double x) {
        if (spent()) {
            add(Finding::unresolved, x, x);
            return;
        }
        const PointSign s = signAt(x);
        if (s == PointSign::zero) add(Finding::root, x, x);
        if (s == PointSign::undefined) add(x == 0 && pole ? Finding::pole : Finding::undefined, x, x);
        // An undecided sign needs no finding of its own: the blocks on either
        // side hold the point, and none of them can prove it root-free.
    }

    // The sign F takes just inside a block at its end x: its value there,
    // or the direction F tends to at 0.
    PointSign endSign(double x, int inside) {
        const PointSign s = signAt(x);
        if (s == PointSign::undefined && x == 0) return inside > 0 ? towardsUp : towardsDown;
        return s;
    }

    // What F tends to as x approaches 0 from one side: an infinity or a
    // finite limit, by its sign; undefined when that cannot be said.
    PointSign besideZero(int side) const {
        if (const int d = limitDirection(eval.params(), side)) return d > 0 ? PointSign::positive : PointSign::negative;
        Ball limit;
        if (!limitAtZero(eval.params(), side, limit.v)) return PointSign::undefined;
        if (arb_is_zero(limit.v)) return PointSign::vanishing;
        if (!arb_contains_zero(limit.v)) return arb_is_positive(limit.v) ? PointSign::positive : PointSign::negative;
        return PointSign::undefined;
    }

    static double widthLimit(double lo, double hi) {
        return relativeWidth * std::max({1.0, std::fabs(lo), std::fabs(hi)});
    }

    // A point strictly between lo and hi, or lo when there is none. Far
    // apart on one side of 0, the geometric mean: the range may span
    // hundreds of orders of magnitude.
    static double middle(double lo, double hi) {
        double m = lo + (hi - lo) / 2;
        if (!std::isfinite(m)) m = lo / 2 + hi / 2;
        if (lo > 0 && hi / lo > 16) m = std::sqrt(lo) * std::sqrt(hi);
        if (hi < 0 && lo / hi > 16) m = -std::sqrt(-lo) * std::sqrt(-hi);
        return m > lo && m < hi ? m : lo;
    }

    // middle(), but halfway in the exponents when the bracket ends at 0: a
    // root beside 0 may lie below anything a thousand halvings reach.
    static double bracketMiddle(double lo, double hi) {
        constexpr double least = std::numeric_limits<double>::denorm_min();
        double m = lo;
        if (hi == 0 && lo < -least) m = middle(lo, -least);
        if (lo == 0 && hi > least) m = middle(least, hi);
        return m > lo && m < hi ? m : middle(lo, hi);
    }

    enum class Outcome { settled, split };

    // Decides a block, or asks for it to be split. `last` says it cannot be.
    Outcome settle(double a, double b, bool last) {
        const bool atLimit = last || b - a <= widthLimit(a, b);
        for (slong prec = startBits;; prec *= 2) {
            BlockValue v;
            evaluate(a, b, prec, v);
            if (v.status.undefinedAll) {
                add(Finding::undefined, a, b);
                return Outcome::settled;
            }
            if (v.status.partial && ((v.f.reach == Reach::ball && arb_is_zero(v.f.v.v)) || v.zeroButJumps)) {
                add(Finding::multiple, a, b);  // 0 wherever it has a value
                return Outcome::settled;
            }
            if (v.status.partial) {
                // Some points may have no value: root-free where F has one
                // and keeps a sign. A sliver that cannot be split joins the
                // stretch without a value, whose end it holds.
                if (v.offZero) {
                    if (last) add(Finding::undefined, a, b);
                    return Outcome::settled;
                }
                if (v.status.edgeLimit != 0 && beside(a, b, v)) return Outcome::settled;
                // Where the argument is about 0 at an end, more bits may tell its sign.
                if (last && prec < blockBitLimit && !spent()) continue;
                if (last) {
                    add(Finding::unresolved, a, b);
                    return Outcome::settled;
                }
                return Outcome::split;  // down to neighbouring doubles: a root may sit at the edge
            }
            if (v.f.reach == Reach::ball && arb_is_zero(v.f.v.v)) {
                // F is 0 at every point of the block: every one is a root,
                // which the list can only give as a stretch.
                add(Finding::multiple, a, b);
                return Outcome::settled;
            }
            if (v.zeroButJumps) {
                add(Finding::multiple, a, b);
                return Outcome::settled;
            }
            if (v.offZero && !v.f.excludesZero()) return Outcome::settled;  // no root, but no one sign
            if (v.f.excludesZero()) {
                // The ends' signs come free with it.
                const PointSign s = v.f.sign() > 0 ? PointSign::positive : PointSign::negative;
                if (v.f.reach == Reach::ball) signs.emplace(a, s), signs.emplace(b, s);
                return Outcome::settled;
            }
            if (v.df.excludesZero()) return monotone(a, b, atLimit);
            if (!atLimit) return Outcome::split;
            if (prec >= blockBitLimit || spent()) break;
        }
        add(Finding::multiple, a, b);
        return Outcome::settled;
    }

    static bool decided(PointSign s) {
        return s == PointSign::negative || s == PointSign::positive || s == PointSign::zero;
    }

    // A logarithm's argument reaches 0 inside [a, b]: F has a value on one
    // side of that edge only, and tends to an infinity there. Strictly
    // monotone where it has a value, F holds one root there when its value
    // at the block's other end has the other sign, and none when the same.
    // False when that cannot be said.
    bool beside(double a, double b, const BlockValue& v) {
        if (!v.df.excludesZero()) return false;
        const PointSign sa = signAt(a), sb = signAt(b);
        if ((sa == PointSign::undefined) == (sb == PointSign::undefined)) return false;
        const bool valueAtA = sb == PointSign::undefined;
        const PointSign there = valueAtA ? sa : sb;
        if (!decided(there)) return false;
        const PointSign edge = v.status.edgeLimit > 0 ? PointSign::positive : PointSign::negative;
        if (there == PointSign::zero) {
            add(Finding::root, valueAtA ? a : b, valueAtA ? a : b);
        } else if (there != edge) {
            // Past the edge, where F has no value, is where F has the edge's sign.
            refine(a, b, valueAtA ? sa : edge, edge);
        }
        return true;
    }

    // F strictly monotone on [a, b]: no root, one root, or an exact zero at an end.
    Outcome monotone(double a, double b, bool atLimit) {
        const PointSign sa = endSign(a, 1);
        const PointSign sb = endSign(b, -1);
        // Strictly monotone away from a limit of 0: F keeps off 0 inside.
        if (sa == PointSign::vanishing || sb == PointSign::vanishing) return Outcome::settled;
        if (!decided(sa) || !decided(sb)) {
            if (!atLimit && !spent()) return Outcome::split;
            add(Finding::unresolved, a, b);
            return Outcome::settled;
        }
        if (sa == PointSign::zero) add(Finding::root, a, a);
        if (sa != PointSign::zero && sb != PointSign::zero && sa != sb) refine(a, b, sa);
        if (sb == PointSign::zero) add(Finding::root, b, b);
        return Outcome::settled;
    }

    // The one root between a and b (F takes sign sa just after a) to
    // neighbouring doubles. Newton steps from the midpoints of proved
    // balls, alternately to the estimate and to twice as far, so that the
    // bracket of proved signs closes from both sides; bisection when a step
    // leaves the bracket or the bracket stops halving.
    // A point without a value counts as `undefinedAs`, when that is given.
    void refine(double a, double b, PointSign sa, PointSign undefinedAs = PointSign::undefined) {
        double lo = a, hi = b;
        double x = bracketMiddle(lo, hi);
        const long start = used;
        BlockValue v;
        bool overshoot = false;
        int sinceHalved = 0;
        double halfWidth = (hi - lo) / 2;
        while (x > lo && x < hi && used - start < rootEvaluationLimit && !spent()) {
            PointSign s = signAt(x, &v);
            const bool valued = s != PointSign::undefined;
            if (!valued) s = undefinedAs;
            if (s == PointSign::zero) {
                add(Finding::root, x, x);
                return;
            }
            if (s == PointSign::undecided) {
                // F(x) is too near 0 to tell at any working precision: the
                // root is about here, and its neighbours may still be told.
                for (double y : {std::nextafter(x, lo), std::nextafter(x, hi)}) {
                    if (!(y > lo && y < hi)) continue;
                    PointSign t = signAt(y);
                    if (t == PointSign::undefined) t = undefinedAs;
                    if (t == PointSign::negative || t == PointSign::positive) (t == sa ? lo : hi) = y;
                }
                break;
            }
            if (s != PointSign::negative && s != PointSign::positive) break;
            (s == sa ? lo : hi) = x;
            if (std::nextafter(lo, hi) >= hi) break;
            if (hi - lo <= halfWidth) {
                halfWidth = (hi - lo) / 2;
                sinceHalved = 0;
            } else {
                ++sinceHalved;
            }
            double next = bracketMiddle(lo, hi);
            if (valued && sinceHalved < 4 && v.df.reach == Reach::ball && arb_is_finite(v.df.v.v) &&
                !arb_contains_zero(v.df.v.v)) {
                const double fx = arf_get_d(arb_midref(v.f.v.v), ARF_RND_NEAR);
                const double dfx = arf_get_d(arb_midref(v.df.v.v), ARF_RND_NEAR);
                const double step = fx / dfx;
                if (std::isfinite(step)) {
                    double guess = overshoot ? x - 2 * step : x - step;
                    if (guess == x) guess = std::nextafter(x, step > 0 ? -HUGE_VAL : HUGE_VAL);
                    if (guess > lo && guess < hi) next = guess;
                }
                overshoot = !overshoot;
            } else {
                sinceHalved = 0;
                halfWidth = (hi - lo) / 2;
            }
            if (next == x || !(next > lo && next < hi)) next = bracketMiddle(lo, hi);
            x = next;
        }
        add(Finding::root, lo, hi);
    }

    Evaluator eval;
    long budget;
    const std::atomic<bool>* cancel;
    long used = 0;
    bool pole = false;                   // F is unbounded at 0 by a negative power
    // What F tends to just above and just below 0 where it has no value there.
    PointSign towardsUp = PointSign::undefined, towardsDown = PointSign::undefined;
    std::vector<Finding> findings;
    // F's sign at points already evaluated: the ends of the blocks.
    std::map<double, PointSign> signs;
};

}  // namespace

Certified certify(const Formula& f, Range range, long budget, const std::atomic<bool>* cancel) {
    // A polynomial's roots are found exactly, touching ones included.
    if (std::optional<Certified> exact = exact::certified(f, range, cancel)) return *exact;
    return Certifier(f, budget, cancel).run(range);
}

void releaseThreadCaches() { flint_cleanup(); }

double rootValue(const Finding& root) { return root.lo + (root.hi - root.lo) / 2; }

}  // namespace core
