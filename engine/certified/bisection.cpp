// SPDX-License-Identifier: GPL-3.0-or-later
// The bisection: blocks of the range decided by F's enclosure, or split;
// each root refined to neighbouring doubles.
#include <algorithm>
#include <cmath>
#include <deque>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "certifiedunits.h"
#include "exactpolynomial.h"
#include "numbertext.h"

namespace core {

namespace cert {

namespace {

// Blocks are not split below this share of |x| (or 1e-12 near 0); what is
// still open there is a possible multiple root.
constexpr double relativeWidth = 1e-12;
// Refining one root to neighbouring doubles takes about ten evaluations;
// an ill-conditioned one stops here with a wider, still proved, enclosure.
constexpr long rootEvaluationLimit = 400;

// The sign of F at a point: -1, 0 (exactly), +1; or none (no value, or
// undecided at the highest precision).
// vanishing: no value here, though F tends to 0 beside it.
enum class PointSign { negative, zero, positive, undefined, undecided, vanishing };

// Whether g, next in x order, is taken in by the findings listed so far.
bool merged(std::vector<Finding>& out, const Finding& g) {
    auto stretch = [](Finding::Kind k) {
        return k == Finding::undefined || k == Finding::multiple || k == Finding::unresolved;
    };
    Finding& last = out.back();
    if (g.kind == last.kind && g.lo == last.lo && g.hi == last.hi) return true;
    if (stretch(g.kind) && g.kind == last.kind && last.hi >= g.lo) {
        last.hi = std::max(last.hi, g.hi);
        return true;
    }
    if (g.kind == Finding::root && g.lo == g.hi && last.kind == Finding::multiple && last.hi >= g.lo)
        return true;
    if (g.kind == Finding::multiple && last.kind == Finding::root && last.lo == last.hi && last.lo >= g.lo &&
        out.size() >= 2 && out[out.size() - 2].kind == Finding::multiple &&
        out[out.size() - 2].hi >= last.lo) {
        out.pop_back();
        out.back().hi = std::max(out.back().hi, g.hi);
        return true;
    }
    if (g.kind == Finding::multiple && last.kind == Finding::root && last.lo == last.hi && last.lo >= g.lo) {
        out.back() = g;
        return true;
    }
    return false;
}

}  // namespace

std::vector<Finding> ordered(std::vector<Finding> findings) {
    std::sort(findings.begin(), findings.end(), [](const Finding& x, const Finding& y) {
        return x.lo != y.lo ? x.lo < y.lo : (x.hi != y.hi ? x.hi < y.hi : x.kind < y.kind);
    });
    std::vector<Finding> out;
    for (const Finding& g : findings) {
        if (out.empty() || !merged(out, g)) out.push_back(g);
    }
    return out;
}

std::vector<Finding> withExactZeros(std::vector<Finding> findings, const std::vector<double>& zeros) {
    std::vector<Finding> out;
    for (const Finding& g : findings) {
        Finding rest = g;
        if (g.kind == Finding::multiple) {
            for (double x : zeros) {
                if (x < rest.lo || x > rest.hi) continue;
                if (x > rest.lo) out.push_back({Finding::multiple, rest.lo, x});
                if (out.empty() || out.back().kind != Finding::root || out.back().lo != x)
                    out.push_back({Finding::root, x, x});
                rest.lo = x;
            }
            if (rest.lo == rest.hi && !out.empty() && out.back().lo == rest.lo) continue;
        }
        out.push_back(rest);
    }
    return out;
}

namespace {

class Certifier {
public:
    Certifier(const Formula& f, long budget, const std::atomic<bool>* cancel)
        : eval(f), budget(budget), cancel(cancel) {
        double bits = 0;
        for (const TermParams& p : eval.params()) {
            if (p.shape != constantShape && p.n != 0) bits += std::max(0.0, std::log2(std::fabs(p.n)) - 8);
        }
        weight = std::max(1.0, bits / 16);
    }

    Certified run(Range range) {
        Certified out;
        const double lo = std::min(range.start, range.end), hi = std::max(range.start, range.end);
        // A range of one point is refused as the automatic analysis refuses it.
        if (!std::isfinite(lo) || !std::isfinite(hi) || lo == hi) {
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
        classifyZero(lo, hi);
        const std::set<double> cuts = pieces(lo, hi);
        for (double cut : cuts) boundary(cut);
        bisect(cuts);
        std::vector<double> zeros;
        for (const Finding& g : findings) {
            if (g.kind == Finding::root && g.lo == g.hi) zeros.push_back(g.lo);
        }
        std::sort(zeros.begin(), zeros.end());
        out.findings = ordered(std::move(findings));
        out.evaluations = used;
        // F exactly 0 on every block: that sentence says it all.
        out.zeroEverywhere = zeroEverywhere && out.findings.size() == 1 && out.findings[0].lo == lo &&
                             out.findings[0].hi == hi && out.findings[0].kind == Finding::multiple;
        if (out.zeroEverywhere) out.findings.clear();
        // A polynomial's touching roots are the exact path's to prove, with their multiplicity.
        if (!polynomial()) out.findings = withExactZeros(std::move(out.findings), zeros);
        out.complete =
            !possibleMultiple && std::none_of(out.findings.begin(), out.findings.end(),
                                              [](const Finding& g) { return g.kind == Finding::unresolved; });
        pointMultiplicities(out.findings);
        out.evaluations = used;
        return out;
    }

    // An exact zero is a simple root only where F' is proved away from 0
    // there; elsewhere its multiplicity is not known.
    void pointMultiplicities(std::vector<Finding>& found) {
        for (Finding& g : found) {
            if (g.kind != Finding::root || g.lo != g.hi) continue;
            BlockValue v;
            evaluate(g.lo, g.lo, 2 * startBits, v);
            if (!v.df.excludesZero()) g.multiplicity = 0;
        }
    }

private:
    bool polynomial() const {
        return std::all_of(eval.params().begin(), eval.params().end(), [](const TermParams& p) {
            return p.shape == constantShape || (p.shape == powerShape && isInteger(p.n));
        });
    }

    bool spent() const {
        return work >= static_cast<double>(budget) || (cancel && cancel->load(std::memory_order_relaxed));
    }

    // Every finding but a block where F is exactly 0, or a point where it is,
    // says F is not 0 everywhere; those blocks must also cover the range.
    void add(Finding::Kind kind, double lo, double hi) {
        if (kind != Finding::root || lo != hi) zeroEverywhere = false;
        if (kind == Finding::multiple) possibleMultiple = true;
        findings.push_back({kind, lo, hi});
    }

    // F beside 0: a pole where it is unbounded on a side the range holds,
    // and the sign it tends to on each side.
    void classifyZero(double lo, double hi) {
        if (lo > 0 || hi < 0) return;  // only the ends of blocks at 0 ask
        Ball limit;
        const NearZero up = nearZero(eval.params(), 1, limit.v);
        towardsUp = towards(up, limit.v);
        const NearZero down = nearZero(eval.params(), -1, limit.v);
        towardsDown = towards(down, limit.v);
        const auto poleOf = [](const NearZero& z) { return z.kind == NearZero::unbounded && z.order > 0; };
        poleAbove = hi > 0 && poleOf(up);
        poleBelow = lo < 0 && poleOf(down);
        pole = poleAbove || poleBelow;
    }

    static PointSign towards(const NearZero& z, const arb_t limit) {
        if (z.kind == NearZero::unbounded) return z.direction > 0 ? PointSign::positive : PointSign::negative;
        if (z.kind != NearZero::limit) return PointSign::undefined;
        if (arb_is_zero(limit)) return PointSign::vanishing;
        if (!arb_contains_zero(limit))
            return arb_is_positive(limit) ? PointSign::positive : PointSign::negative;
        return PointSign::undefined;
    }

    // The range's ends, 0 where some term is not analytic there (a negative
    // or fractional power, a logarithm of b·x^n), and the domain's edges.
    std::set<double> pieces(double lo, double hi) const {
        std::set<double> cuts{lo, hi};
        const bool zeroCut = std::any_of(eval.params().begin(), eval.params().end(), [](const TermParams& p) {
            return p.shape != constantShape && (p.n < 0 || !isInteger(p.n) || powerLog(p) ||
                                                (p.shape == baseShape && p.m == 0 && p.c == 0));
        });
        if (lo < 0 && hi > 0 && zeroCut) cuts.insert(0.0);
        std::set<double> edges;
        domainEdges(eval.params(), edges);
        for (double e : edges) {
            if (e > lo && e < hi) cuts.insert(e);
        }
        return cuts;
    }

    // Breadth first: every block of one level of bisection, left to right,
    // before any of the next. When the evaluations run out, what is left is
    // where F is hardest, not everything right of it.
    void bisect(const std::set<double>& cuts) {
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
    }

    void evaluate(double lo, double hi, slong prec, BlockValue& v) {
        ++used;
        work += static_cast<double>(prec / startBits) * weight;
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
        if (s == PointSign::undecided && !spent() && !v.status.partial && eval.exactlyZero(x))
            s = PointSign::zero;
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
            if (v.status.partial) {
                if (const auto o = partly(a, b, v, prec, last, atLimit)) return *o;
                continue;  // where the argument is about 0 at an end, more bits may tell its sign
            }
            if (v.f.isZero()) {
                // F is 0 at every point of the block: every one is a root,
                // which the list can only give as a stretch.
                findings.push_back({Finding::multiple, a, b});
                return Outcome::settled;
            }
            if (v.zeroButJumps) {
                zeroEverywhere = false;
                findings.push_back({Finding::multiple, a, b});
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
            // Beside a pole: root-free where the pole's terms outweigh the rest.
            if (((a == 0 && poleAbove) || (b == 0 && poleBelow)) && eval.signBesidePole(a, b, prec) != 0)
                return Outcome::settled;
            if (!atLimit) return Outcome::split;
            if (prec >= blockBitLimit || spent()) break;
        }
        add(Finding::multiple, a, b);
        // An exact zero at an end is a root, whatever the rest of the block holds.
        for (double end : {a, b}) {
            if (!spent() && signAt(end) == PointSign::zero) add(Finding::root, end, end);
        }
        return Outcome::settled;
    }

    // A block where some points may have no value: root-free where F has one
    // and keeps a sign. A sliver that cannot be split joins the stretch
    // without a value, whose end it holds. Empty when more bits may tell.
    std::optional<Outcome> partly(double a, double b, const BlockValue& v, slong prec, bool last,
                                  bool atLimit) {
        if (v.f.isZero() || v.zeroButJumps) {
            // 0 wherever it has a value: every root is in the block.
            zeroEverywhere = false;
            findings.push_back({Finding::multiple, a, b});
            return Outcome::settled;
        }
        if (v.offZero) {
            // Root-free, but where the values end is still to be told.
            if (last) add(Finding::undefined, a, b);
            if (atLimit) return Outcome::settled;
            // Values that end at one end of the block, a domain's edge, end
            // there; otherwise the stretch without them is inside, or all of it.
            const bool oneEdge = (signAt(a) == PointSign::undefined) != (signAt(b) == PointSign::undefined);
            return oneEdge ? Outcome::settled : Outcome::split;
        }
        if (v.status.edgeLimit != 0 && beside(a, b, v)) return Outcome::settled;
        if (last && prec < blockBitLimit && !spent()) return std::nullopt;
        if (last) {
            add(Finding::unresolved, a, b);
            return Outcome::settled;
        }
        return Outcome::split;  // down to neighbouring doubles: a root may sit at the edge
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
    // The budget counts work: an evaluation at twice the bits costs twice,
    // so that signs no precision decides cannot hold the user for minutes.
    double work = 0;
    // Powers of x with exponents of many bits cost about that many
    // multiplications of big exponents in every evaluation.
    double weight = 1;
    bool zeroEverywhere = true;
    // A block at the width limit where F and F' may both be 0 leaves the
    // count of roots open; a block where F is exactly 0 does not.
    bool possibleMultiple = false;
    bool pole = false, poleAbove = false, poleBelow = false;  // F is unbounded at 0 by a negative power
    // What F tends to just above and just below 0 where it has no value there.
    PointSign towardsUp = PointSign::undefined, towardsDown = PointSign::undefined;
    std::vector<Finding> findings;
    // F's sign at points already evaluated: the ends of the blocks.
    std::map<double, PointSign> signs;
};

}  // namespace

}  // namespace cert

Certified certify(const Formula& f, Range range, long budget, const std::atomic<bool>* cancel) {
    // A polynomial's roots are found exactly, touching ones included.
    if (std::optional<Certified> exact = exact::certified(f, range, cancel)) return *exact;
    return cert::Certifier(f, budget, cancel).run(range);
}

void releaseThreadCaches() { flint_cleanup(); }

double rootValue(const Finding& root) { return root.lo + (root.hi - root.lo) / 2; }

std::string rootText(const Finding& root, double precision) {
    const double middle = rootValue(root);
    const double rounded = std::nearbyint(middle / precision) * precision;
    return generalNumberText(std::isfinite(rounded) && precision > 0 ? rounded : middle);
}

}  // namespace core