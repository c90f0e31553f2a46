// SPDX-License-Identifier: GPL-3.0-or-later
// The module's private records, for the few tests that set them up by hand
// or check what a procedure wrote: the program itself reaches them only
// through the module's procedures.
#pragma once

#include "kalvex.h"

// The records under their designed names, as references into the module.
struct ProbeState {
    int& termCount;
    std::array<std::int16_t, records::slotCount>& shape;
    std::array<float, records::slotCount>&coefA, &coefB, &expN, &baseM, &offsetC, &constK;
    std::array<std::string, records::slotCount>& termText;
    std::string& formulaText;
    std::int16_t& selectedShape;
    double& evalX;
    core::TermValues& termValue;
    double& evalSum;
    std::int16_t& evalFailed;
    double &rangeStart, &rangeEnd, &precision;
    double &viewXMin, &viewXMax, &viewYMin, &viewYMax;
    double &homeXMin, &homeXMax, &homeYMin, &homeYMax;
    double &tickX, &tickY;
    bool &gridX, &gridY;
    double& sweepStep;
    double &bracketX1, &bracketF1, &bracketX2, &bracketF2, &refF1, &refF2, &rootEstimate;
    std::int16_t& dragState;
    double &pressX, &pressY, &releaseX, &releaseY;
    double &calcX, &calcY;
};

class KalvexProbe {
public:
    static ProbeState state(Kalvex& k) {
        auto& t = k.table;
        auto& f = t.formula;
        auto& e = k.evaluation;
        auto& g = k.frame;
        auto& r = k.refinement;
        auto& m = k.mouse;
        auto& c = k.calculation;
        return {f.count,     f.shape,      f.a,         f.b,         f.n,          f.m,          f.c,
                f.k,         t.termText,   t.formulaText, t.selectedShape, e.evalX,   e.termValue,  e.evalSum,
                e.evalFailed, g.rangeStart, g.rangeEnd,  g.precision, g.viewXMin,   g.viewXMax,   g.viewYMin,
                g.viewYMax,  g.homeXMin,   g.homeXMax,  g.homeYMin,  g.homeYMax,   g.tickX,      g.tickY,
                g.gridX,     g.gridY,      g.sweepStep, r.bracketX1, r.bracketF1,  r.bracketX2,  r.bracketF2,
                r.refF1,     r.refF2,      r.rootEstimate, m.dragState, m.pressX,  m.pressY,     m.releaseX,
                m.releaseY,  c.calcX,      c.calcY};
    }
    // What the term functions do on a failure: the message, the flag.
    static double fail(Kalvex& k, const char* message) { return k.failTerm(message); }
    // The procedures the module runs only inside its commands.
    static void evaluateF(Kalvex& k) { k.evaluateF(); }
    static PlotEnd scanRange(Kalvex& k) { return k.scanRange(); }
    static void refineRoot(Kalvex& k) { k.refineRoot(); }
    static bool takePrecision(Kalvex& k, std::string_view text) { return k.takePrecision(text); }
};

inline ProbeState state(Kalvex& k) { return KalvexProbe::state(k); }
inline ProbeState state(const Kalvex& k) { return KalvexProbe::state(const_cast<Kalvex&>(k)); }
