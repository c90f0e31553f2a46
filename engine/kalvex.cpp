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
    int pixelWidth() override { return 1; }
    int pixelHeight() override { return 1; }
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

void Kalvex::appendTerm(const Term& term) {
    termCount = static_cast<std::int16_t>(termCount + 1);
    const int slot = termCount;
    coefA[slot] = term.a;
    coefB[slot] = term.b;
    expN[slot] = term.n;
    offsetC[slot] = term.c;
    constK[slot] = term.k;
    baseM[slot] = term.m;
    shape[slot] = static_cast<std::int16_t>(term.shape);
    termText[slot] = ::termText(shape[slot], slot == 1, term.typed);
    formulaText = formulaFromTerms({termText.begin() + 1, termText.begin() + slot + 1});
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

bool Kalvex::scanRange() {
    const double xSpan = rangeEnd - rangeStart;
    viewXMin = rangeStart;
    viewXMax = rangeEnd;
    if (xSpan == 0 || !std::isfinite(xSpan)) {
        showMessage(messages::rangeOrDivisions);
        return false;
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
        if (evalFailed == 1) return false;
        if (evalSum < viewYMin) viewYMin = evalSum;
        if (evalSum > viewYMax) viewYMax = evalSum;
        const double next = sweepX + sweepStep;
        if (next == sweepX || visited >= gridIterationLimit) {
            showMessage(messages::rangeOrDivisions);
            return false;
        }
        sweepX = next;
    }
    double ySpan = viewYMax - viewYMin;
    if (!std::isfinite(ySpan)) {
        showMessage(messages::valueTooLarge);
        return false;
    }
    if (ySpan == 0) ySpan = 5;
    tickX = tickStepFor(xSpan);
    tickY = tickStepFor(ySpan);
    plotGraph();
    return true;
}

namespace {

// The lines of one grid direction at from, from + step, ... while not past
// `to`, each handed to `draw`. Lines that would land on the same pixel are
// drawn once: a step below a pixel fills every pixel between the ends, which
// one line a pixel shows just as well, so the work stays within the
// picture's size whatever the step. False when the step cannot advance.
template <class Draw>
bool drawGridLines(double from, double to, double step, int pixels, Draw draw) {
    const double span = to - from;
    pixels = std::max(pixels, 1);
    if (step * pixels <= span) {
        for (int i = 0; i <= pixels; ++i) draw(from + span * i / pixels);
        return true;
    }
    // Wider than a pixel: at most pixels + 1 lines, by repeated addition.
    for (double g = from; g <= to;) {
        draw(g);
        const double next = g + step;
        if (next == g) return false;
        g = next;
    }
    return true;
}

}  // namespace

PlotEnd Kalvex::plotGraph() {
    // Without a scan (or with steps that cannot space a grid) there is no
    // picture to draw: the user rectangle would divide by zero.
    if (!hasGraph()) return PlotEnd::refused;
    const double right = (Int(viewXMax / tickX) + 2) * tickX;
    const double left = (Int(viewXMin / tickX) - 2) * tickX;
    const double top = (Int(viewYMax / tickY) + 2) * tickY;
    const double bottom = (Int(viewYMin / tickY) - 2) * tickY;
    const float leftF = toSingle(left), rightF = toSingle(right);
    const float topF = toSingle(top), bottomF = toSingle(bottom);
    // The picture is drawn in 32-bit floats: a rectangle beyond them, or one
    // that they cannot tell apart from a line, has no picture. The one on
    // screen stays, with the scale its mouse positions are read in.
    if (!std::isfinite(topF) || !std::isfinite(bottomF)) {
        showMessage(messages::valueTooLarge);
        return PlotEnd::refused;
    }
    if (!std::isfinite(leftF) || !std::isfinite(rightF) || leftF == rightF || topF == bottomF) {
        showMessage(messages::rangeOrDivisions);
        return PlotEnd::refused;
    }
    Canvas& c = *pictureBox;
    c.clear();
    plotRight = right;
    plotLeft = left;
    plotTop = top;
    plotBottom = bottom;
    c.setScale(leftF, topF, rightF, bottomF);

    if (gridX == "v") {
        const bool advanced = drawGridLines(plotLeft, plotRight, tickX, c.pixelWidth(), [&](double gx) {
            c.line(toSingle(gx), bottomF, toSingle(gx), topF, colours::grid);
        });
        if (!advanced) {
            showMessage(messages::rangeOrDivisions);
            return PlotEnd::stopped;
        }
    }
    if (gridY == "v") {
        const bool advanced = drawGridLines(plotBottom, plotTop, tickY, c.pixelHeight(), [&](double gy) {
            c.line(leftF, toSingle(gy), rightF, toSingle(gy), colours::grid);
        });
        if (!advanced) {
            showMessage(messages::rangeOrDivisions);
            return PlotEnd::stopped;
        }
    }
    c.rectangle(leftF, topF, rightF, bottomF, colours::frame);

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
    // A tick step huge against the sweep step ends the sampling when the
    // arrays are full.
    for (sweepX = start; notPassed(sweepX, end, step) && n < maxSamples;) {
        ++n;
        sampleX[n] = sweepX;
        evalX = sweepX;
        evaluateF();
        if (evalFailed == 1) {
            sampleCount = n;
            showMessage(messages::notComputableReached);
            return PlotEnd::stopped;
        }
        sampleY[n] = evalSum;
        const double next = sweepX + step;
        if (next == sweepX) {
            sampleCount = n;
            showMessage(messages::rangeOrDivisions);
            return PlotEnd::stopped;
        }
        sweepX = next;
    }
    sampleCount = n;

    c.line(0, bottomF, 0, topF, colours::axes);
    c.line(leftF, 0, rightF, 0, colours::axes);
    for (int k = 1; k < n; ++k) {
        c.line(toSingle(sampleX[k]), toSingle(sampleY[k]), toSingle(sampleX[k + 1]), toSingle(sampleY[k + 1]),
               std::nullopt);
    }
    screenHost->showAnalysisScreen();
    return PlotEnd::completed;
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
        // Next to c there is no double nearer the root: false position would
        // only swing between the two, never closer than a finer precision asks.
        const bool atResolution = next == std::nextafter(c, next);
        if (std::fabs(c - next) <= precision || atResolution) {
            rootEstimate = (c + next) * 0.5;
            return;
        }
        c = next;
    }
}
