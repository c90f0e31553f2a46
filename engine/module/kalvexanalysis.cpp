// SPDX-License-Identifier: GPL-3.0-or-later
// The module's graph and analysis commands: the analysis screen hands over
// the texts of its boxes (and a list to fill); the core computes, and these
// write the module's fields and show what was found in the order the user
// would see it.
#include "kalvex.h"
#include "numbertext.h"

void Kalvex::setPrecision(double value) { frame.precision = value; }

bool Kalvex::takePrecision(std::string_view text) {
    const double read = readNumber(text);
    if (!core::usablePrecision(read)) return false;
    frame.precision = read;
    return true;
}

double Kalvex::cutToPrecision(double v) const { return core::cut(v, frame.precision); }

Kalvex::GraphEnd Kalvex::graph(std::string_view startText, std::string_view endText,
                              std::string_view precisionText) {
    frame.rangeStart = readNumber(startText);
    frame.rangeEnd = readNumber(endText);
    if (startText.empty() && endText.empty()) return {};
    // The graph does not use the frame.precision: a refused one leaves the last
    // good one in place and the graph is drawn all the same.
    takePrecision(precisionText);
    forgetViews();
    evaluation.evalFailed = 0;
    const PlotEnd plotted = scanRange();
    return {tickSteps(), plotted};
}

Kalvex::AnalysisEnd Kalvex::automaticAnalysis(std::string_view startText, std::string_view endText,
                                              std::string_view precisionText, RootList& list) {
    core::AnalysisInput in;
    in.startText = startText;
    in.endText = endText;
    in.precisionText = precisionText;
    in.precision = frame.precision;
    in.view = plotView();
    in.view.framed = false;  // the analysis plots the view its scan finds
    in.view.pixelWidth = canvas().pixelWidth();
    in.view.pixelHeight = canvas().pixelHeight();
    const core::Analysis a = core::analyse(formula(), in, evaluation.termValue);
    takeAnalysis(a, list);
    return {a.completed, a.plot ? a.plot->end : PlotEnd::refused};
}

void Kalvex::takeAnalysis(const core::Analysis& a, RootList& list) {
    frame.rangeStart = a.rangeStart;
    frame.rangeEnd = a.rangeEnd;
    if (a.precision) frame.precision = *a.precision;
    if (a.scan) {
        forgetViews();
        evaluation.evalFailed = 0;
        takeScan(*a.scan);
    }
    for (const core::Step& step : a.steps) {
        switch (step.kind) {
            case core::Step::message: showMessage(step.text); break;
            case core::Step::plot: takePlot(*a.plot); break;
            case core::Step::roots:
                list.clearAndShow();
                list.append(a.roots, *a.precision);
                break;
            case core::Step::hits: list.append(a.hits, *a.precision); break;
        }
    }
    if (a.sweepStep) frame.sweepStep = *a.sweepStep;
    if (a.lastRefinement) takeRefinement(*a.lastRefinement);
    if (a.lastRoot) refinement.rootEstimate = *a.lastRoot;
    follow(a.trace);
}
