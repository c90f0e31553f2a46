#include "kalvex.h"

#include <algorithm>
#include <cmath>

#include "messages.h"
#include "numbertext.h"
#include "terms.h"

namespace {

// Stand-ins until the real platform is attached: nothing is shown or drawn.
class SilentPlatform : public MessageSink, public ScreenHost, public Canvas {
public:
    void showMessage(const std::string&) override {}
    void showSettingScreen() override {}
    void showAnalysisScreen() override {}
    void endProgram() override {}
    void clear() override {}
    void setScale(float, float, float, float) override {}
    void line(float, float, float, float, Ink) override {}
    void rectangle(float, float, float, float, Ink) override {}
    void filledRectangle(float, float, float, float, Ink) override {}
    void point(float, float, Ink) override {}
};

SilentPlatform silent;

// A grid that runs long past its nominal count has a step too small to
// matter; it is stopped like one whose step does not advance at all.
constexpr long gridIterationLimit = 10'000'000;

bool positiveFinite(double v) { return v > 0 && std::isfinite(v); }

// The smallest power of ten among 0.001, 0.01, ... that is at least span/100.
double tickStepFor(double span) {
    double tick = 0.001;
    do {
        tick = tick * 10;
    } while (span / 10 > tick);
    return tick * 0.1;
}

}  // namespace

Kalvex::Kalvex() : messageSink(&silent), screenHost(&silent), pictureBox(&silent) {}

void Kalvex::attach(MessageSink* messages, ScreenHost* host, Canvas* canvas) {
    messageSink = messages ? messages : &silent;
    screenHost = host ? host : &silent;
    pictureBox = canvas ? canvas : &silent;
}

void Kalvex::showMessage(const std::string& text) { messageSink->showMessage(text); }

double Kalvex::failTerm(const char* message) {
    showMessage(message);
    evalFailed = 1;
    return 0;
}

// Tick steps typed before the first scan give no graph either: without a
// sweep step the samples would all fall on one x.
bool Kalvex::hasGraph() const {
    return positiveFinite(tickX) && positiveFinite(tickY) && sweepStep != 0 && std::isfinite(sweepStep);
}

void Kalvex::startUp() {
    termCount = 0;
    evalFailed = 0;
    screenHost->showSettingScreen();
}

void Kalvex::evaluateF() {
    ++evaluations;
    const int count = std::clamp<int>(termCount, 0, maxTerms);
    evalSum = 0;
    for (int i = 1; i <= count; ++i) {
        double value;
        if (termValueAt(*this, i, evalX, value)) termValue[i] = value;
    }
    for (int i = 1; i <= count; ++i) evalSum = evalSum + termValue[i];
    if (!std::isfinite(evalSum)) failTerm(messages::notComputableValue);
}

void Kalvex::scanRange() {
    const double xSpan = rangeEnd - rangeStart;
    viewXMin = rangeStart;
    viewXMax = rangeEnd;
    if (xSpan == 0 || !std::isfinite(xSpan)) {
        showMessage(messages::rangeOrDivisions);
        return;
    }
    sweepStep = xSpan / 100;
    viewYMin = yMinSentinel;
    viewYMax = yMaxSentinel;
    homeXMin = rangeStart;
    homeXMax = rangeEnd;
    homeYMin = yMinSentinel;
    homeYMax = yMaxSentinel;
    sweepX = rangeStart;
    for (long visited = 0; notPassed(sweepX, rangeEnd, sweepStep); ++visited) {
        evalX = sweepX;
        evaluateF();
        if (evalFailed == 1) return;
        if (evalSum < viewYMin) viewYMin = evalSum;
        if (evalSum > viewYMax) viewYMax = evalSum;
        const double next = sweepX + sweepStep;
        if (next == sweepX || visited >= gridIterationLimit) {
            showMessage(messages::rangeOrDivisions);
            return;
        }
        sweepX = next;
    }
    double ySpan = viewYMax - viewYMin;
    if (!std::isfinite(ySpan)) {
        showMessage(messages::valueTooLarge);
        return;
    }
    if (ySpan == 0) ySpan = 5;
    tickX = tickStepFor(xSpan);
    tickY = tickStepFor(ySpan);
    plotGraph();
}

void Kalvex::plotGraph() {
    // Without a scan (or with steps that cannot space a grid) there is no
    // picture to draw: the user rectangle would divide by zero.
    if (!hasGraph()) return;
    Canvas& c = *pictureBox;
    c.clear();
    plotRight = (Int(viewXMax / tickX) + 2) * tickX;
    plotLeft = (Int(viewXMin / tickX) - 2) * tickX;
    plotTop = (Int(viewYMax / tickY) + 2) * tickY;
    plotBottom = (Int(viewYMin / tickY) - 2) * tickY;
    const float left = toSingle(plotLeft), right = toSingle(plotRight);
    const float top = toSingle(plotTop), bottom = toSingle(plotBottom);
    c.setScale(left, top, right, bottom);

    if (gridX == "v") {
        int lines = 0;
        for (double gx = plotLeft; gx <= plotRight && lines < gridLineLimit; ++lines) {
            c.line(toSingle(gx), bottom, toSingle(gx), top, colours::grid);
            const double next = gx + tickX;
            if (next == gx) break;
            gx = next;
        }
    }
    if (gridY == "v") {
        int lines = 0;
        for (double gy = plotBottom; gy <= plotTop && lines < gridLineLimit; ++lines) {
            c.line(left, toSingle(gy), right, toSingle(gy), colours::grid);
            const double next = gy + tickY;
            if (next == gy) break;
            gy = next;
        }
    }
    c.rectangle(left, top, right, bottom, colours::frame);

    double start = rangeStart - 3 * tickX;
    const int count = std::clamp<int>(termCount, 0, maxTerms);
    for (int i = 1; i <= count; ++i) {
        if (shape[i] == 3) {
            start = rangeStart;
            break;
        }
    }
    const double end = 3 * tickX + rangeEnd;
    const double step = sweepStep;
    int n = 0;
    // A step that cannot advance, or a tick step huge against it, ends the
    // sampling when the arrays are full.
    for (sweepX = start; notPassed(sweepX, end, step) && n < maxSamples; sweepX = sweepX + step) {
        ++n;
        sampleX[n] = sweepX;
        evalX = sweepX;
        evaluateF();
        if (evalFailed == 1) {
            sampleCount = n;
            showMessage(messages::notComputableReached);
            return;
        }
        sampleY[n] = evalSum;
    }
    sampleCount = n;

    c.line(0, bottom, 0, top, colours::axes);
    c.line(left, 0, right, 0, colours::axes);
    for (int k = 1; k < n; ++k) {
        c.line(toSingle(sampleX[k]), toSingle(sampleY[k]), toSingle(sampleX[k + 1]), toSingle(sampleY[k + 1]),
               std::nullopt);
    }
    screenHost->showAnalysisScreen();
}

void Kalvex::refineRoot() {
    const bool rising = refF1 < refF2;
    auto falsePosition = [this] {
        return (bracketF2 * bracketX1 - bracketF1 * bracketX2) / (bracketF2 - bracketF1);
    };
    double c = falsePosition();
    for (int evaluations = 0;; ++evaluations) {
        if (!std::isfinite(c) || evaluations >= refineLimit) {
            showMessage(messages::notConverged);
            evalFailed = 1;
            return;
        }
        evalX = c;
        evaluateF();
        if (evalFailed == 1) {
            showMessage(messages::notComputableReached);
            return;
        }
        const double fc = evalSum;
        const bool replacesFirst = rising ? fc < 0 : fc >= 0;
        if (replacesFirst) {
            bracketX1 = c;
            bracketF1 = fc;
        } else {
            bracketX2 = c;
            bracketF2 = fc;
        }
        const double next = falsePosition();
        if (std::fabs(c - next) <= precision) {
            rootEstimate = (c + next) * 0.5;
            return;
        }
        c = next;
    }
}
