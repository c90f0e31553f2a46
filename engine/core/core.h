// SPDX-License-Identifier: GPL-3.0-or-later
// The numerics as functions over values: no shared state, no I/O. Each
// function takes what it works on and returns what it found, with the
// messages it has for the user in the order they arise; the module, the
// windows and the command line decide what to show and when.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "displaylist.h"
#include "term.h"
#include "termfunctions.h"

namespace core {

inline constexpr int maxSamples = 100000;

// F as the term table holds it: tableSlots 1..count, one column a parameter.
// A shape code without a rule (only a table written by hand can hold one)
// contributes the value its slot held before.
struct Formula {
    int count = 0;
    std::array<std::int16_t, tableSlots> shape{};
    std::array<float, tableSlots> a{}, b{}, n{}, m{}, c{}, k{};

    // False when the formula already holds maxTerms terms.
    bool append(const Term& term);
    bool operator==(const Formula&) const = default;
};

// F from terms added one after the other as 追加 adds them: the formula,
// or the first refusal of 追加's checks (termRefusal; a 21st term is one)
// and the index of the term it refused.
struct FormulaFrom {
    Formula formula;
    const char* refusal = nullptr;
    int refusedTerm = -1;
    explicit operator bool() const { return refusal == nullptr; }
};
FormulaFrom formulaFrom(const std::vector<Term>& terms);

// -1, 0 or +1.
inline int sign(double v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// The value of each slot at the last point evaluated: the term table's
// termValue, carried from one evaluation to the next.
using TermValues = std::array<double, tableSlots>;

// The one evaluation of F at x, in the variants that its callers need.
enum class Rule {
    plain,          // every x goes to the term functions (evaluateF, the calculation screen)
    estimatePanel,  // a logarithm term at x <= 0 stops the loop first
};
enum class PointEnd {
    value,      // sum is F(x)
    xRefused,   // estimatePanel: a logarithm term at x <= 0; sum stays 0
    notFinite,  // the sum is not a finite number
};
struct Point {
    double sum = 0;
    PointEnd end = PointEnd::value;
    Failures failures;  // a point with any failure has failed, whatever its end
    bool failed() const { return failures.count > 0; }
};
// Writes each evaluated slot's value into values.
Point evaluate(const Formula& f, double x, TermValues& values, Rule rule = Rule::plain);

// Where a sweep stands after it stopped: the last point evaluated, the
// evaluations made, and whether one failed.
struct Trace {
    double evalX = 0, evalSum = 0;
    long evaluations = 0;
    bool failed = false;
};

// An analysis range: start and end as read, in either order.
struct Range {
    double start = 0, end = 0;
};

// The range scan: extremes of F on one hundred steps, the sweep step and
// the tick steps. `failed` is an evaluation failure left from before, which
// stops the sweep at its first point.
enum class ScanEnd { scanned, rangeRefused, pointFailed, stuck, tooLarge };
struct Scan {
    ScanEnd end = ScanEnd::scanned;
    double sweepStep = 0, sweepX = 0;
    double yMin = 1e9, yMax = -1e9;
    double tickX = 0, tickY = 0;  // set when scanned
    Trace trace;
    Messages messages;
};
Scan scan(const Formula& f, Range range, TermValues& values, bool failed);

// What the plot is drawn from.
struct PlotView {
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    double tickX = 0, tickY = 0;
    bool gridX = false, gridY = false;
    double rangeStart = 0, rangeEnd = 0, sweepStep = 0;
    int pixelWidth = 1, pixelHeight = 1;  // lines closer than a pixel are drawn once
    // The picture's edges are xMin..xMax and yMin..yMax exactly, instead of
    // two ticks beyond them on tick multiples: a view moved by a gesture
    // must keep the point under the mouse where it was. Such a view is
    // sampled across its own edges at its pixel width, not over the range at
    // the sweep step, so it is drawn right however deep it goes; points
    // without a value leave gaps, told by no message.
    bool framed = false;
};

// The tick step a fresh scan chooses for a span of x or of y: the smallest
// of 0.01, 0.1, 1, ... that is at least a tenth of it, divided by ten.
double tickStepFor(double span);

// The picture's edges in user units, as the plot draws it.
struct Edges {
    double left = 0, right = 0, top = 0, bottom = 0;
    bool operator==(const Edges&) const = default;
};
Edges edgesOf(const PlotView& view);
// The view a fresh scan of the range is drawn in: the range across, the
// scan's extremes up, its ticks; grids and pixels as in `base`.
PlotView viewOf(const Scan& scan, Range range, PlotView base);

// True when the view can be plotted at all: steps that space a grid and a
// sweep step that moves.
bool plottable(const PlotView& view);

enum class PlotEnd { refused, stopped, completed };
struct Plot {
    PlotEnd end = PlotEnd::refused;
    DisplayList ops;  // empty when refused
    double left = 0, right = 0, top = 0, bottom = 0;
    std::vector<double> sampleX, sampleY;
    double sweepX = 0;
    Trace trace;
    Messages messages;  // shown once the picture is drawn as far as it got
};
// `failed` as for the scan: the first sample then stops the plot.
Plot plot(const Formula& f, const PlotView& view, TermValues& values, bool failed);

// The curve of a view moved by a gesture (`framed`): F sampled across the
// picture's own edges at its pixel width, so a deep zoom still draws F
// itself rather than a chord between the range's sweep steps.
//
// Samples F from `edges.left` to `edges.right`, one sample a pixel across
// `pixelWidth` pixels, into p.sampleX and p.sampleY; a point where F has no
// value is kept as NaN, a gap in the curve, without a message. False when a
// failure left from before stops the plot (its message said) or the step
// cannot advance x any further (the samples taken so far stay).
bool sampleAcross(const Formula& f, const Edges& edges, int pixelWidth, TermValues& values, Plot& p);

// The lines through the samples, skipping gaps and cut to the picture's
// height and as much again above and below, so that a value far beyond the
// picture neither overflows the floats it is drawn in nor bends the part
// that shows.
void drawAcross(const Edges& edges, Plot& p);

// False position on a bracket whose ends differ in sign.
struct Bracket {
    double x1 = 0, f1 = 0, x2 = 0, f2 = 0;  // ends and the heights the first estimate uses
    double ref1 = 0, ref2 = 0;              // F at the ends: the direction
};
// Ends after this many evaluations: false position from one side can take
// thousands, a converging case never this many.
inline constexpr int refineLimit = 100000;
enum class RefineEnd { converged, notConverged, pointFailed };
struct Refinement {
    RefineEnd end = RefineEnd::converged;
    double root = 0;   // when converged
    Bracket bracket;   // the last bracket
    Trace trace;
    Messages messages;
};
Refinement refine(const Formula& f, const Bracket& start, double precision, TermValues& values, bool failed);

// The automatic analysis.
struct Analysis;
// Finite and at least this: below it the cut to a multiple of the precision
// and the refinement's convergence test mean nothing in double precision.
inline constexpr double smallestPrecision = 1e-300;
bool usablePrecision(double precision);
// Int(v / precision) · precision; v itself where that is not finite.
double cut(double v, double precision);
// A result as the list shows it: the cut value in the general number format.
std::string listText(double v, double precision);

// What the analysis starts from: the texts of the boxes, and the state
// that the scan and the plot read.
struct AnalysisInput {
    std::string_view startText, endText, precisionText;
    double precision = 0.1;  // in force before the run
    PlotView view;           // grids and pixels; the rest comes from the scan
    bool failed = false;     // an evaluation failure left from before
};

// One thing for the user, in the order the analysis does them: a message,
// the picture drawn as far as the plot got, the list cleared and the roots
// put in it, the fine-pass hits added to it.
struct Step {
    enum Kind { message, plot, roots, hits } kind;
    const char* text = nullptr;  // of a message
};

struct Analysis {
    double rangeStart = 0, rangeEnd = 0;
    std::optional<double> precision;  // stored when usable
    std::optional<Scan> scan;
    std::optional<Plot> plot;
    std::vector<core::Bracket> brackets;
    std::vector<double> roots, hits;
    bool listed = false;  // the list was cleared and the roots put in it
    bool completed = false;          // the fine pass ran to its end
    // Where the passes left the state.
    std::optional<double> sweepStep, sweepX;
    std::optional<Refinement> lastRefinement;
    std::optional<double> lastRoot;  // of the last refinement that converged
    Trace trace;  // of the passes, after the scan and the plot
    std::vector<Step> steps;
    Messages messages() const;
    // The list as shown: roots, then hits (none before the list is filled).
    std::vector<std::string> texts() const;
};
Analysis analyse(const Formula& f, const AnalysisInput& input, TermValues& values);

}  // namespace core
