// SPDX-License-Identifier: GPL-3.0-or-later
// The certified analysis's units, shared by its sources only: ball
// arithmetic with one-sided bounds, the enclosure of each term over a block,
// like terms and exact rational zeros, F's behaviour beside 0, and the
// bisection that turns enclosures into findings.
#pragma once

#include <arb.h>

#include <set>
#include <vector>

#include "certified.h"

namespace core::cert {

// Working precisions in bits. 64 decides nearly every sign; exact zeros of
// sums of products of doubles and floats need about 106, and a sign that is
// still open at the point limit is reported as unresolved.
inline constexpr slong startBits = 64;
inline constexpr slong blockBitLimit = 256;
inline constexpr slong pointBitLimit = 1024;

// ---- Ball and one-sided arithmetic -----------------------------------------

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
    // +1 or -1 when every value is known to have that sign though the
    // bounds may not show it: e^w over a wide block, whose ball must reach
    // down to 0, or x^n far from 0.
    int strict = 0;
    // +1 or -1 when every value has that sign or is 0: x^n on a block
    // that ends at 0.
    int weak = 0;

    void set(const arb_t x, Reach r = Reach::ball);
    void setDouble(double x, Reach r = Reach::ball);
    void setWhole();
    bool excludesZero() const;
    // +1 or -1; only when excludesZero().
    int sign() const;
    // Multiplies by a factor known to lie in s (it may vary over the set;
    // a bound times the ball still bounds the products).
    void scale(const arb_t s, slong prec);
    void scaleDouble(double s, slong prec);
    void add(const Ext& x, slong prec);
    void addDouble(double x, slong prec);
    // The same, leaving `strict` as it is.
    void scaleBounds(const arb_t s, slong prec);
    void addBounds(const Ext& x, slong prec);
    bool isZero() const { return reach == Reach::ball && arb_is_zero(v.v); }
    bool bounded() const { return reach == Reach::ball && arb_is_finite(v.v); }
};

// The upper end of a ball as an exact ball.
void upperEnd(arb_t out, const arb_t x);
// Every point of x is <= 0 (arb_is_nonpositive leaves out a ball that
// only touches 0).
bool atMostZero(const arb_t x);
bool isInteger(double n);
void powerInteger(arb_t z, const arb_t x, double n, slong prec);
void powerReal(arb_t z, const arb_t x, double n, slong prec);
// n · x^(n-1) for a point or a ball x.
void powerSlope(arb_t z, const arb_t x, double n, slong prec);

// ---- Per-term enclosures ----------------------------------------------------

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

// x^n on [lo, hi], which never holds 0 inside (the range is split there),
// with std::pow's domain: a non-integer power of a negative x has no real
// value, and 0 to a negative power is a pole.
void powerOn(double lo, double hi, const arb_t x, double n, slong prec, Ext& t, Ext& dt, Status& s);
// b·x^n + c at lo and at hi, when both are finite and the block lies on
// one side of 0, where x^n, and so the argument, is monotone.
bool argumentAtEnds(const TermParams& p, double lo, double hi, slong prec, Ball (&ends)[2]);
// e^w into v; its slope into slope when w is a ball. lnm scales w first.
void exponential(const Ext& w, const arb_t lnm, slong prec, Ext& v, arb_t slope);
// m^u. False when the block has no value at all (s says so).
bool powerOfBase(const TermParams& p, const Ext& u, double lo, double hi, slong prec, Ext& v, arb_t slope,
                 Status& s, bool& jumps);
// ln u into v, and 1/u into slope when it is known over the block. False
// when the block has no value at all (s says so).
bool logarithm(const TermParams& p, double lo, double hi, const Ext& u, slong prec, Ext& v, arb_t slope,
               bool& slopeKnown, bool& edge, Status& s);

// A logarithm of b·x^n alone: its argument reaches 0 only at x = 0.
inline bool powerLog(const TermParams& p) { return p.shape == logShape && p.c == 0 && p.b != 0 && p.n != 0; }

class Evaluator {
public:
    // Like terms are summed (exactly, or not at all): 3x^-3 - 3x^-3 is 0 on
    // any block, where two balls for the same x would leave a ball around 0.
    explicit Evaluator(const Formula& formula);
    const std::vector<TermParams>& params() const { return terms; }

    void evaluate(double lo, double hi, slong prec, BlockValue& out) const;
    // F at a point x between two neighbouring doubles, one of them `near`,
    // on the same side of 0 and of every domain edge: finer than a double.
    void evaluatePoint(const arb_t x, double near, slong prec, BlockValue& out) const;

    // F where the powers of 0 jump: at such a point F is the sum plus the
    // jump. One jump keeps F's sign when both values have it; otherwise F
    // takes in every value the jumps can add. True when no value is 0.
    static bool withJumps(Ext& f, const std::vector<double>& jumps, slong prec);

    // F(x) in exact rational arithmetic, where every term is rational at x:
    // constants, and b·x^n for an integer n, or a half-integer one where
    // sqrt(x) is rational. A sign that no working precision decides is an
    // exact 0 when this says so. False for F of another kind.
    bool exactlyZero(double x) const;

    // On a block that ends at 0, where negative powers of x outgrow the
    // rest: the sign of F, read from x^k·F(x) with k the highest order of
    // the pole, which stays bounded there; 0 when that cannot be said.
    int signBesidePole(double lo, double hi, slong prec) const;

private:
    void include(TermParams p);
    void evaluateWith(const arb_t x, double lo, double hi, slong prec, BlockValue& out) const;
    bool sumTerms(double lo, double hi, const arb_t x, slong prec, BlockValue& out,
                  bool& othersBounded) const;

    std::vector<TermParams> terms;
};

// ---- Like terms ---------------------------------------------------------------

// One form for terms that are the same function: b·x^0 is the constant
// b, and an argument b·x^n + c that cannot vary is written 0·x^0 + c.
TermParams canonical(TermParams p);
// q's coefficient plus p's into q, when p is alike and the sum exact.
bool combineLike(TermParams& q, const TermParams& p);

// ---- F beside 0 -------------------------------------------------------------------

// How F, or one term, behaves as x approaches 0 from one side: a finite
// limit; bounded without one; unbounded in a direction, growing as
// |x|^-order (an exponential's order is infinite, a logarithm's 0); no value
// on that side; or not known.
struct NearZero {
    enum Kind { limit, bounded, unbounded, noValue, unknown };
    Kind kind = unknown;
    int direction = 0;  // unbounded: +1 or -1
    double order = 0;   // unbounded
};

// The term's behaviour as x approaches 0 from `side` (+1 above, -1 below).
// limit receives the limit; for an unbounded term, weight receives the
// signed factor its growth is compared by where orders tie.
NearZero termNearZero(const TermParams& p, int side, arb_t limit, arb_t weight);
// F's: a term without a value there takes F's; the fastest-growing
// unbounded terms, with their factors summed where they tie, decide its
// direction; otherwise the limits add up.
NearZero nearZero(const std::vector<TermParams>& terms, int side, arb_t limit);

// The doubles where an argument of a logarithm (or of a power of base 0)
// reaches 0: they only cut the range; nothing proved depends on them.
void domainEdges(const std::vector<TermParams>& terms, std::set<double>& cuts);
bool analysable(const TermParams& p);

// ---- Bisection ----------------------------------------------------------------------

// The findings in x order. Stretches of one kind that touch become one;
// an exact zero inside a possible multiple root is part of it.
std::vector<Finding> ordered(std::vector<Finding> findings);
// The exact zeros (in x order) that lie in possible multiple roots listed
// as roots of their own, each block split around them.
std::vector<Finding> withExactZeros(std::vector<Finding> findings, const std::vector<double>& zeros);

}  // namespace core::cert
