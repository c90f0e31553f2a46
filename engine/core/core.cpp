// SPDX-License-Identifier: GPL-3.0-or-later
#include "core.h"

#include <algorithm>
#include <cmath>

#include "messages.h"
#include "numbertext.h"

namespace core {

namespace {

bool isFinite(double v) { return std::isfinite(v); }
bool positiveFinite(double v) { return v > 0 && std::isfinite(v); }

// a·w(b·x^n + c), failing on any step that leaves the finite doubles.
template <class Outer>
double outerTerm(double x, double a, double b, double n, double c, Failures& failures, Outer outer) {
    const double p = std::pow(x, n);
    const double u = b * p;
    const double v = u + c;
    const double w = outer(v);
    const double result = a * w;
    if (!(isFinite(p) && isFinite(u) && isFinite(v) && isFinite(w) && isFinite(result))) {
        failures.add(messages::notComputableValue);
        return 0;
    }
    return result;
}

// True while x has not passed `end` for a grid stepping by `step`.
bool notPassed(double x, double end, double step) { return step >= 0 ? x <= end : x >= end; }

// A sweep that runs long past its nominal count has a step too small to
// matter; it is stopped like one whose step does not advance at all.
constexpr long sweepLimit = 10'000'000;
// The analysis's grids visit about 101 and 10 001 points.
constexpr long passPointLimit = 1'000'000;

// One point of a sweep: evaluates, records it in the trace, and passes the
// failures on. True when the point failed (or a failure was left from before).
bool step(const Formula& f, double x, TermValues& values, Trace& trace, Messages& messages) {
    const Point p = evaluate(f, x, values);
    ++trace.evaluations;
    trace.evalX = x;
    trace.evalSum = p.sum;
    p.failures.appendTo(messages);
    if (p.failed()) trace.failed = true;
    return trace.failed;
}

// The lines of one grid direction at from, from + step, ... while not past
// `to`. Lines that would land on the same pixel are drawn once: a step below
// a pixel fills every pixel between the ends, which one line a pixel shows
// just as well, so the work stays within the picture's size whatever the
// step. False when the step cannot advance.
template <class Draw>
bool gridLines(double from, double to, double step, int pixels, Draw draw) {
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

bool Formula::append(const Term& term) {
    if (count >= maxTerms) return false;
    const int s = ++count;
    shape[s] = static_cast<std::int16_t>(term.shape);
    a[s] = term.a;
    b[s] = term.b;
    n[s] = term.n;
    m[s] = term.m;
    c[s] = term.c;
    k[s] = term.k;
    return true;
}

FormulaFrom formulaFrom(const std::vector<Term>& terms) {
    FormulaFrom made;
    for (const Term& term : terms) {
        made.refusal = termRefusal(static_cast<int>(term.shape), term.typed, made.formula.count);
        if (made.refusal) {
            made.refusedTerm = made.formula.count;
            return made;
        }
        made.formula.append(term);
    }
    return made;
}

double power(double x, double b, double n, Failures& failures) {
    const double p = std::pow(x, n);
    const double u = b * p;
    if (!(isFinite(p) && isFinite(u))) {
        failures.add(messages::notComputableValue);
        return 0;
    }
    return u;
}

double exponential(double x, double a, double b, double n, double c, Failures& failures) {
    return outerTerm(x, a, b, n, c, failures, [](double v) { return std::exp(v); });
}

double powerOfBase(double x, double m, double a, double b, double n, double c, Failures& failures) {
    return outerTerm(x, a, b, n, c, failures, [m](double v) { return std::pow(m, v); });
}

double logarithm(double x, double a, double b, double n, double c, Failures& failures) {
    const double p = std::pow(x, n);
    const double u = b * p;
    const double v = u + c;
    // The domain check comes first: it is the behaviour's own, with its own message.
    if (v <= 0) {
        failures.add(messages::logArgument);
        return 0;
    }
    const double result = a * std::log(v);
    if (!(isFinite(p) && isFinite(u) && isFinite(v) && isFinite(result))) {
        failures.add(messages::notComputableValue);
        return 0;
    }
    return result;
}

double sine(double x, double a, double b, double n, double c, Failures& failures) {
    return outerTerm(x, a, b, n, c, failures, [](double v) { return std::sin(v); });
}

double cosine(double x, double a, double b, double n, double c, Failures& failures) {
    return outerTerm(x, a, b, n, c, failures, [](double v) { return std::cos(v); });
}

Point evaluate(const Formula& f, double x, TermValues& values, Rule rule) {
    Point p;
    const int count = std::clamp(f.count, 0, maxTerms);
    for (int i = 1; i <= count; ++i) {
        Shape shape;
        if (!shapeOf(f.shape[i], shape)) continue;  // no rule: the slot keeps its value
        const ShapeRule& term = shapeRule(shape);
        if (rule == Rule::estimatePanel && term.positiveXOnly && !(x > 0)) {
            p.failures.add(messages::xRangePositive);
            p.end = PointEnd::xRefused;
            return p;
        }
        values[i] = term.value(x, {f.a[i], f.b[i], f.n[i], f.m[i], f.c[i], f.k[i]}, p.failures);
    }
    for (int i = 1; i <= count; ++i) p.sum = p.sum + values[i];
    if (!isFinite(p.sum)) {
        p.failures.add(messages::notComputableValue);
        p.end = PointEnd::notFinite;
    }
    return p;
}

Scan scan(const Formula& f, Range range, TermValues& values, bool failed) {
    const double start = range.start, end = range.end;
    Scan s;
    s.trace.failed = failed;
    const double xSpan = end - start;
    if (xSpan == 0 || !isFinite(xSpan)) {
        s.end = ScanEnd::rangeRefused;
        s.messages.push_back(messages::rangeOrDivisions);
        return s;
    }
    s.sweepStep = xSpan / 100;
    s.sweepX = start;
    for (long visited = 0; notPassed(s.sweepX, end, s.sweepStep); ++visited) {
        if (step(f, s.sweepX, values, s.trace, s.messages)) {
            s.end = ScanEnd::pointFailed;
            return s;
        }
        const double y = s.trace.evalSum;
        if (y < s.yMin) s.yMin = y;
        if (y > s.yMax) s.yMax = y;
        const double next = s.sweepX + s.sweepStep;
        if (next == s.sweepX || visited >= sweepLimit) {
            s.end = ScanEnd::stuck;
            s.messages.push_back(messages::rangeOrDivisions);
            return s;
        }
        s.sweepX = next;
    }
    double ySpan = s.yMax - s.yMin;
    if (!isFinite(ySpan)) {
        s.end = ScanEnd::tooLarge;
        s.messages.push_back(messages::valueTooLarge);
        return s;
    }
    if (ySpan == 0) ySpan = 5;
    s.tickX = tickStepFor(xSpan);
    s.tickY = tickStepFor(ySpan);
    return s;
}

double tickStepFor(double span) {
    double tick = 0.001;
    do {
        tick = tick * 10;
    } while (span / 10 > tick);
    return tick * 0.1;
}

PlotView viewOf(const Scan& scan, Range range, PlotView base) {
    base.xMin = range.start;
    base.xMax = range.end;
    base.yMin = scan.yMin;
    base.yMax = scan.yMax;
    base.tickX = scan.tickX;
    base.tickY = scan.tickY;
    base.rangeStart = range.start;
    base.rangeEnd = range.end;
    base.sweepStep = scan.sweepStep;
    return base;
}

// Tick steps typed before the first scan give no graph either: without a
// sweep step the samples would all fall on one x.
bool plottable(const PlotView& v) {
    return positiveFinite(v.tickX) && positiveFinite(v.tickY) && v.sweepStep != 0 && isFinite(v.sweepStep);
}

Edges edgesOf(const PlotView& v) {
    if (v.framed) return {v.xMin, v.xMax, v.yMax, v.yMin};
    Edges e;
    e.right = (Int(v.xMax / v.tickX) + 2) * v.tickX;
    e.left = (Int(v.xMin / v.tickX) - 2) * v.tickX;
    e.top = (Int(v.yMax / v.tickY) + 2) * v.tickY;
    e.bottom = (Int(v.yMin / v.tickY) - 2) * v.tickY;
    return e;
}

namespace {

// The picture's user rectangle, two ticks beyond the view each way, and
// the same in the 32-bit floats the picture is drawn in.
struct Frame {
    double left = 0, right = 0, top = 0, bottom = 0;
    float leftF = 0, rightF = 0, topF = 0, bottomF = 0;
};

// The rectangle, or the message why the floats cannot hold it: one beyond
// them, or one they cannot tell from a line, has no picture.
const char* frameOf(const PlotView& v, Frame& r) {
    const Edges e = edgesOf(v);
    r.left = e.left;
    r.right = e.right;
    r.top = e.top;
    r.bottom = e.bottom;
    r.leftF = toSingle(r.left);
    r.rightF = toSingle(r.right);
    r.topF = toSingle(r.top);
    r.bottomF = toSingle(r.bottom);
    if (!std::isfinite(r.topF) || !std::isfinite(r.bottomF)) return messages::valueTooLarge;
    if (!std::isfinite(r.leftF) || !std::isfinite(r.rightF) || r.leftF == r.rightF || r.topF == r.bottomF)
        return messages::rangeOrDivisions;
    return nullptr;
}

// Clear, scale, the grids switched on and the frame. False when a grid's
// step cannot advance.
bool drawBackground(const PlotView& v, const Frame& r, DisplayList& ops) {
    ops.push_back({DrawOp::Clear, 0, 0, 0, 0, {}});
    ops.push_back({DrawOp::Scale, r.leftF, r.topF, r.rightF, r.bottomF, {}});
    // A framed picture's edges are not tick multiples; its grid still is.
    const double gridLeft = v.framed ? std::ceil(r.left / v.tickX) * v.tickX : r.left;
    const double gridBottom = v.framed ? std::ceil(r.bottom / v.tickY) * v.tickY : r.bottom;
    if (v.gridX && !gridLines(gridLeft, r.right, v.tickX, v.pixelWidth, [&](double gx) {
            ops.push_back({DrawOp::Line, toSingle(gx), r.bottomF, toSingle(gx), r.topF, colours::grid});
        }))
        return false;
    if (v.gridY && !gridLines(gridBottom, r.top, v.tickY, v.pixelHeight, [&](double gy) {
            ops.push_back({DrawOp::Line, r.leftF, toSingle(gy), r.rightF, toSingle(gy), colours::grid});
        }))
        return false;
    ops.push_back({DrawOp::Rectangle, r.leftF, r.topF, r.rightF, r.bottomF, colours::frame});
    return true;
}

// Three ticks before the range, or the range's start where a shape asks it.
double sampleStart(const Formula& f, const PlotView& v) {
    for (int i = 1; i <= std::clamp(f.count, 0, maxTerms); ++i) {
        Shape shape;
        if (shapeOf(f.shape[i], shape) && shapeRule(shape).plotsFromRangeStart) return v.rangeStart;
    }
    return v.rangeStart - 3 * v.tickX;
}

// F sampled at every sweep step to three ticks past the range. False when
// a point fails or the step cannot advance (its message said).
bool sample(const Formula& f, const PlotView& v, TermValues& values, Plot& p) {
    const double end = 3 * v.tickX + v.rangeEnd;
    const double stepX = v.sweepStep;
    // A tick step huge against the sweep step ends the sampling when the
    // sample arrays are full.
    for (p.sweepX = sampleStart(f, v);
         notPassed(p.sweepX, end, stepX) && static_cast<int>(p.sampleX.size()) < maxSamples;) {
        p.sampleX.push_back(p.sweepX);
        if (step(f, p.sweepX, values, p.trace, p.messages)) {
            p.messages.push_back(messages::notComputableReached);
            return false;
        }
        p.sampleY.push_back(p.trace.evalSum);
        const double next = p.sweepX + stepX;
        if (next == p.sweepX) {
            p.messages.push_back(messages::rangeOrDivisions);
            return false;
        }
        p.sweepX = next;
    }
    return true;
}

void drawAxes(const Frame& r, DisplayList& ops) {
    ops.push_back({DrawOp::Line, 0, r.bottomF, 0, r.topF, colours::axes});
    ops.push_back({DrawOp::Line, r.leftF, 0, r.rightF, 0, colours::axes});
}

// The axes, then the curve through the samples.
void drawCurve(const Frame& r, Plot& p) {
    DisplayList& ops = p.ops;
    drawAxes(r, ops);
    const std::size_t n = p.sampleX.size();
    ops.reserve(ops.size() + n);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        ops.push_back({DrawOp::Line, toSingle(p.sampleX[i]), toSingle(p.sampleY[i]),
                       toSingle(p.sampleX[i + 1]), toSingle(p.sampleY[i + 1]), std::nullopt});
    }
}

}  // namespace

Plot plot(const Formula& f, const PlotView& v, TermValues& values, bool failed) {
    Plot p;
    p.trace.failed = failed;
    // Without a scan (or with steps that cannot space a grid) there is no
    // picture to draw: the user rectangle would divide by zero.
    if (!plottable(v)) return p;
    Frame r;
    if (const char* refusal = frameOf(v, r)) {
        p.messages.push_back(refusal);
        return p;
    }
    p.end = PlotEnd::stopped;
    p.left = r.left;
    p.right = r.right;
    p.top = r.top;
    p.bottom = r.bottom;
    if (!drawBackground(v, r, p.ops)) {
        p.messages.push_back(messages::rangeOrDivisions);
        return p;
    }
    if (v.framed) {
        // A gesture's view: F across the picture itself, at its pixel width.
        const Edges e{r.left, r.right, r.top, r.bottom};
        const bool whole = sampleAcross(f, e, v.pixelWidth, values, p);
        if (!whole && p.sampleX.empty()) return p;
        drawAxes(r, p.ops);
        drawAcross(e, p);
        if (!whole) return p;
    } else {
        if (!sample(f, v, values, p)) return p;
        drawCurve(r, p);
    }
    p.end = PlotEnd::completed;
    return p;
}

Refinement refine(const Formula& f, const Bracket& start, double precision, TermValues& values, bool failed) {
    Refinement r;
    r.bracket = start;
    r.trace.failed = failed;
    Bracket& b = r.bracket;
    const bool rising = b.ref1 < b.ref2;
    auto falsePosition = [&b] { return (b.f2 * b.x1 - b.f1 * b.x2) / (b.f2 - b.f1); };
    double c = falsePosition();
    for (int evaluations = 0;; ++evaluations) {
        if (!isFinite(c) || evaluations >= refineLimit) {
            r.end = RefineEnd::notConverged;
            r.trace.failed = true;
            r.messages.push_back(messages::notConverged);
            return r;
        }
        if (step(f, c, values, r.trace, r.messages)) {
            r.end = RefineEnd::pointFailed;
            r.messages.push_back(messages::notComputableReached);
            return r;
        }
        const double fc = r.trace.evalSum;
        const bool replacesFirst = rising ? fc < 0 : fc >= 0;
        if (replacesFirst) {
            b.x1 = c;
            b.f1 = fc;
        } else {
            b.x2 = c;
            b.f2 = fc;
        }
        const double next = falsePosition();
        // Next to c there is no double nearer the root: false position would
        // only swing between the two, never closer than a finer precision asks.
        const bool atResolution = next == std::nextafter(c, next);
        if (std::fabs(c - next) <= precision || atResolution) {
            r.root = (c + next) * 0.5;
            return r;
        }
        c = next;
    }
}

bool usablePrecision(double precision) { return isFinite(precision) && precision >= smallestPrecision; }

double cut(double v, double precision) {
    const double c = Int(v / precision) * precision;
    return isFinite(c) ? c : v;
}

std::string listText(double v, double precision) { return generalNumberText(cut(v, precision)); }

std::vector<std::string> Analysis::texts() const {
    std::vector<std::string> all;
    if (!listed || !precision) return all;
    all.reserve(roots.size() + hits.size());
    for (double v : roots) all.push_back(listText(v, *precision));
    for (double v : hits) all.push_back(listText(v, *precision));
    return all;
}

Messages Analysis::messages() const {
    Messages all;
    for (const Step& s : steps) {
        if (s.kind == Step::message) all.push_back(s.text);
    }
    return all;
}

namespace {

// The analysis under way: its result, and the grids' shared bookkeeping.
class Analyser {
public:
    Analyser(const Formula& f, TermValues& values, Analysis& a) : f(f), values(values), a(a) {}

    void say(const Messages& messages) {
        for (const char* m : messages) a.steps.push_back({Step::message, m});
    }
    void say(const char* message) { a.steps.push_back({Step::message, message}); }

    // One point of a pass; true when it failed.
    bool at(double x) {
        Messages failures;
        const bool failed = step(f, x, values, a.trace, failures);
        say(failures);
        return failed;
    }

    enum class PassEnd { completed, notComputable, stuck };

    // The grid of one hundred steps: every interval whose ends differ in sign.
    PassEnd bracketPass(double start, double end) {
        const double sweepStep = (end - start) / 100;
        a.sweepStep = sweepStep;
        double x = start;
        a.sweepX = x;
        for (long visited = 0; notPassed(x, end, sweepStep); ++visited) {
            const double x1 = x;
            if (at(x1)) return PassEnd::notComputable;
            const double f1 = a.trace.evalSum;
            const double x2 = x + sweepStep;
            if (at(x2)) return PassEnd::notComputable;
            const double f2 = a.trace.evalSum;
            if (sign(f1) != sign(f2)) a.brackets.push_back({x1, f1, x2, f2, f1, f2});
            if (!advance(x, sweepStep, visited)) return PassEnd::stuck;
        }
        return PassEnd::completed;
    }

    // The root of each bracket: an end where F is 0, else the refined estimate.
    bool resolve(double precision) {
        for (const core::Bracket& b : a.brackets) {
            if (b.f1 == 0) {
                a.roots.push_back(b.x1);
            } else if (b.f2 == 0) {
                a.roots.push_back(b.x2);
            } else {
                Refinement r = refine(f, b, precision, values, a.trace.failed);
                a.trace.evaluations += r.trace.evaluations;
                if (r.trace.evaluations > 0) {
                    a.trace.evalX = r.trace.evalX;
                    a.trace.evalSum = r.trace.evalSum;
                }
                a.trace.failed = r.trace.failed;
                say(r.messages);
                const bool converged = r.end == RefineEnd::converged;
                const double root = r.root;
                a.lastRefinement = std::move(r);
                if (!converged) return false;
                a.lastRoot = root;
                a.roots.push_back(root);
            }
        }
        return true;
    }

    // The grid one hundred times finer: every point where |F| <= precision.
    PassEnd finePass(double start, double end, double precision) {
        const double fineStep = *a.sweepStep / 100;
        double x = start;
        a.sweepX = x;
        for (long visited = 0; notPassed(x, end, fineStep); ++visited) {
            if (at(x)) return PassEnd::notComputable;
            if (std::fabs(a.trace.evalSum) <= precision) a.hits.push_back(x);
            if (!advance(x, fineStep, visited)) return PassEnd::stuck;
        }
        return PassEnd::completed;
    }

private:
    bool advance(double& x, double step, long visited) {
        const double next = x + step;
        if (next == x || visited >= passPointLimit) return false;
        x = next;
        a.sweepX = x;
        return true;
    }

    const Formula& f;
    TermValues& values;
    Analysis& a;
};

}  // namespace

Analysis analyse(const Formula& f, const AnalysisInput& in, TermValues& values) {
    Analysis a;
    a.rangeStart = readNumber(in.startText);
    a.rangeEnd = readNumber(in.endText);
    const double typed = readNumber(in.precisionText);
    if (usablePrecision(typed)) a.precision = typed;
    if (in.startText.empty() && in.endText.empty()) return a;
    Analyser run(f, values, a);
    if (!a.precision) {
        run.say(messages::precisionPositive);
        return a;
    }
    const double precision = *a.precision;

    // The failure flag is cleared before the scan, as the graph command does.
    a.scan = scan(f, {a.rangeStart, a.rangeEnd}, values, false);
    run.say(a.scan->messages);
    a.trace.failed = a.scan->trace.failed;
    if (a.scan->end == ScanEnd::scanned) {
        a.plot = plot(f, viewOf(*a.scan, {a.rangeStart, a.rangeEnd}, in.view), values, false);
        a.steps.push_back({Step::plot});
        run.say(a.plot->messages);
        a.trace.failed = a.plot->trace.failed;
    }
    if (a.trace.failed) {
        run.say(messages::notComputableInRange);
        return a;
    }
    // A zero range, and the ranges the scan refuses, have had their message.
    // A picture that could not be drawn does not stop the search, which
    // needs none.
    if (!a.plot) return a;

    switch (run.bracketPass(a.rangeStart, a.rangeEnd)) {
        case Analyser::PassEnd::completed: break;
        case Analyser::PassEnd::notComputable: run.say(messages::notComputableReached); return a;
        case Analyser::PassEnd::stuck: run.say(messages::rangeOrDivisions); return a;
    }
    if (!run.resolve(precision)) return a;
    a.listed = true;
    a.steps.push_back({Step::roots});

    const Analyser::PassEnd fine = run.finePass(a.rangeStart, a.rangeEnd, precision);
    a.steps.push_back({Step::hits});
    if (fine == Analyser::PassEnd::notComputable) run.say(messages::notComputableReached);
    if (fine == Analyser::PassEnd::stuck) run.say(messages::rangeOrDivisions);
    a.completed = fine == Analyser::PassEnd::completed;
    return a;
}

}  // namespace core
