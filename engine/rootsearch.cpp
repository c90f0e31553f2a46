#include "rootsearch.h"

#include <algorithm>
#include <cmath>

#include "kalvex.h"
#include "messages.h"
#include "numbertext.h"

namespace rootsearch {

namespace {

// One step of a grid; false when it would not move x or the grid has run
// far longer than any real range needs.
bool advance(double& x, double step, long visited) {
    const double next = x + step;
    if (next == x || visited >= passPointLimit) return false;
    x = next;
    return true;
}

std::vector<std::string> textsOf(const std::vector<double>& values, double precision) {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (double v : values) texts.push_back(generalNumberText(cut(v, precision)));
    return texts;
}

}  // namespace

bool usablePrecision(double precision) { return std::isfinite(precision) && precision >= smallestPrecision; }

bool takePrecision(Kalvex& k, std::string_view text) {
    const double precision = readNumber(text);
    if (!usablePrecision(precision)) return false;
    k.precision = precision;
    return true;
}

double cut(double v, double precision) {
    const double c = Int(v / precision) * precision;
    return std::isfinite(c) ? c : v;
}

PassEnd bracketPass(Kalvex& k, std::vector<Bracket>& brackets) {
    brackets.clear();
    k.sweepStep = (k.rangeEnd - k.rangeStart) / 100;
    k.sweepX = k.rangeStart;
    for (long visited = 0; notPassed(k.sweepX, k.rangeEnd, k.sweepStep); ++visited) {
        const double x1 = k.sweepX;
        k.evalX = x1;
        k.evaluateF();
        if (k.evalFailed == 1) return PassEnd::notComputable;
        const double f1 = k.evalSum;
        const double x2 = k.sweepX + k.sweepStep;
        k.evalX = x2;
        k.evaluateF();
        if (k.evalFailed == 1) return PassEnd::notComputable;
        const double f2 = k.evalSum;
        if (Sign(f1) != Sign(f2)) brackets.push_back({x1, f1, x2, f2});
        if (!advance(k.sweepX, k.sweepStep, visited)) return PassEnd::stuck;
    }
    return PassEnd::completed;
}

bool resolveBrackets(Kalvex& k, const std::vector<Bracket>& brackets, std::vector<double>& roots) {
    roots.clear();
    for (const Bracket& b : brackets) {
        if (b.f1 == 0) {
            roots.push_back(b.x1);
        } else if (b.f2 == 0) {
            roots.push_back(b.x2);
        } else {
            k.bracketX1 = b.x1;
            k.bracketF1 = b.f1;
            k.bracketX2 = b.x2;
            k.bracketF2 = b.f2;
            k.refF1 = b.f1;
            k.refF2 = b.f2;
            k.refineRoot();
            if (k.evalFailed == 1) return false;
            roots.push_back(k.rootEstimate);
        }
    }
    return true;
}

PassEnd finePass(Kalvex& k, std::vector<double>& hits) {
    hits.clear();
    const double fineStep = k.sweepStep / 100;
    k.sweepX = k.rangeStart;
    for (long visited = 0; notPassed(k.sweepX, k.rangeEnd, fineStep); ++visited) {
        k.evalX = k.sweepX;
        k.evaluateF();
        if (k.evalFailed == 1) return PassEnd::notComputable;
        if (std::fabs(k.evalSum) <= k.precision) hits.push_back(k.sweepX);
        if (!advance(k.sweepX, fineStep, visited)) return PassEnd::stuck;
    }
    return PassEnd::completed;
}

bool automaticAnalysis(Kalvex& k, std::string_view startText, std::string_view endText,
                       std::string_view precisionText, RootList& list) {
    k.rangeStart = readNumber(startText);
    k.rangeEnd = readNumber(endText);
    const bool precisionTaken = takePrecision(k, precisionText);
    if (startText.empty() && endText.empty()) return false;
    if (!precisionTaken) {
        k.showMessage(messages::precisionPositive);
        return false;
    }

    k.evalFailed = 0;
    const bool drew = k.scanRange();
    if (k.evalFailed == 1) {
        k.showMessage(messages::notComputableInRange);
        return false;
    }
    // A zero range, and the ranges the scan refuses, have had their message.
    // A picture that could not be drawn does not stop the search, which
    // needs none.
    if (!drew) return false;

    std::vector<Bracket> brackets;
    switch (bracketPass(k, brackets)) {
        case PassEnd::completed: break;
        case PassEnd::notComputable: k.showMessage(messages::notComputableReached); return false;
        case PassEnd::stuck: k.showMessage(messages::rangeOrDivisions); return false;
    }

    std::vector<double> roots;
    if (!resolveBrackets(k, brackets, roots)) return false;
    list.clearAndShow();
    list.append(textsOf(roots, k.precision));

    std::vector<double> hits;
    const PassEnd fine = finePass(k, hits);
    list.append(textsOf(hits, k.precision));
    if (fine == PassEnd::notComputable) k.showMessage(messages::notComputableReached);
    if (fine == PassEnd::stuck) k.showMessage(messages::rangeOrDivisions);
    return fine == PassEnd::completed;
}

}  // namespace rootsearch
