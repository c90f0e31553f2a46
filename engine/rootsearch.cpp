#include "rootsearch.h"

#include "core.h"
#include "kalvex.h"
#include "numbertext.h"

namespace rootsearch {

bool usablePrecision(double precision) { return core::usablePrecision(precision); }

bool takePrecision(Kalvex& k, std::string_view text) {
    const double precision = readNumber(text);
    if (!usablePrecision(precision)) return false;
    k.precision = precision;
    return true;
}

double cut(double v, double precision) { return core::cut(v, precision); }

bool automaticAnalysis(Kalvex& k, std::string_view startText, std::string_view endText,
                       std::string_view precisionText, RootList& list) {
    core::AnalysisInput in;
    in.startText = startText;
    in.endText = endText;
    in.precisionText = precisionText;
    in.precision = k.precision;
    in.view = k.plotView();
    in.view.pixelWidth = k.canvas().pixelWidth();
    in.view.pixelHeight = k.canvas().pixelHeight();
    core::Analysis a = core::analyse(k.formula(), in, k.termValue);

    k.rangeStart = a.rangeStart;
    k.rangeEnd = a.rangeEnd;
    if (a.precision) k.precision = *a.precision;
    if (a.scan) {
        k.evalFailed = 0;
        k.takeScan(*a.scan);
    }
    for (const core::Step& step : a.steps) {
        switch (step.kind) {
            case core::Step::message: k.showMessage(step.text); break;
            case core::Step::plot:
                k.takePlot(*a.plot);
                if (a.plot->end == core::PlotEnd::completed) k.showAnalysisScreen();
                break;
            case core::Step::roots:
                list.clearAndShow();
                list.append(a.roots, *a.precision);
                break;
            case core::Step::hits: list.append(a.hits, *a.precision); break;
        }
    }
    if (a.sweepStep) k.sweepStep = *a.sweepStep;
    if (a.sweepX) k.sweepX = *a.sweepX;
    if (a.lastRefinement) k.takeRefinement(*a.lastRefinement);
    if (a.lastRoot) k.rootEstimate = *a.lastRoot;
    k.follow(a.trace);
    return a.completed;
}

}  // namespace rootsearch
