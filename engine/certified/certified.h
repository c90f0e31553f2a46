// SPDX-License-Identifier: GPL-3.0-or-later
// The certified analysis: where the roots of F are, proved. F is the real
// function the terms define, each parameter exactly the 32-bit value the table
// stores; it is bounded over whole stretches of x in ball arithmetic, so what
// is said holds for every real x, not only at sample points. The designed
// automatic analysis stays as it is; this one runs beside it.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "core.h"

namespace core {

struct Finding {
    enum Kind {
        root,        // exactly one root in [lo, hi]: F has opposite signs at the ends and is
                     // strictly monotone between; or lo == hi and F(lo) is exactly 0; or,
                     // beside a logarithm's edge, F has no value at one end and tends
                     // there to the infinity of the sign the other end does not have
        pole,        // lo == hi == 0: F is unbounded beside it (a negative power of x)
        undefined,   // F has no real value on [lo, hi] (ends within the width limit)
        multiple,    // F and F' both hold 0 on [lo, hi] at the width limit: a root of
                     // even multiplicity, a cluster of roots, or none
        unresolved,  // not decided: the evaluations ran out, or a sign could not be
                     // decided at the highest working precision
    };
    Kind kind = root;
    double lo = 0, hi = 0;
    // A root's multiplicity: 1 where F changes sign with F' away from 0,
    // k where F is a polynomial and (x - root)^k divides it exactly; 0 where
    // it is not known (an exact zero where F' may vanish too).
    int multiplicity = 1;
};

// The budget in units of work: an evaluation at the starting 64 bits is one,
// at 128 bits two, and so on. About 100 000 end in a quarter of a second on
// one core.
inline constexpr long certifiedBudget = 100000;

struct Certified {
    bool rangeUsable = true;        // false for an end that is not finite, or a range of one point:
                                    // nothing was analysed
    std::vector<Finding> findings;  // in x order; everything between them is root-free
    long evaluations = 0;           // of F over a stretch or at a point
    // Every root lies in a listed root or a listed possible multiple root,
    // and nothing is unresolved: a possible multiple root leaves the count
    // of roots open, so it is not complete.
    bool complete = false;
    bool zeroEverywhere = false;  // F is exactly 0 on the whole range: no findings are listed
};

// The analysis of F on the range (its ends in either order), using at most
// about `budget` units of work. Deterministic: no clock, no shared state.
// A set cancel flag, read between evaluations, ends the work as a spent
// budget does: what is left is unresolved.
Certified certify(const Formula& f, Range range, long budget = certifiedBudget,
                  const std::atomic<bool>* cancel = nullptr);

// Frees what the ball arithmetic keeps for the calling thread (cached
// constants). A thread that ran certify and is about to end calls it, or
// those caches are lost with the thread.
void releaseThreadCaches();

// The double nearest a root's middle.
double rootValue(const Finding& root);

// The text a root is listed with: its middle rounded to the nearest multiple
// of the precision, so that it lies within half the precision of the root.
std::string rootText(const Finding& root, double precision);

// A root of F to `digits` significant decimal digits, every one correct
// (rounded to the nearest), found by narrowing its enclosure in ball
// arithmetic. Empty when it cannot be told within about `budget` units of
// work (a root beside a logarithm's edge, say).
std::string rootDigits(const Formula& f, const Finding& root, int digits, long budget = 4 * certifiedBudget);

}  // namespace core
