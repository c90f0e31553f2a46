// SPDX-License-Identifier: GPL-3.0-or-later
// The module: all state that more than one screen shares, and the numerical
// procedures that work on it. One instance per process; a test makes its own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core.h"
#include "platform.h"
#include "term.h"

// How a plot ended: nothing drawn (no graph yet, or a rectangle that the
// picture cannot hold), drawn up to a point where it stopped with a
// message, or drawn whole with the analysis screen shown.
using PlotEnd = core::PlotEnd;

// The term table as a value: the terms in slot order with their term texts
// and the formula text. The texts are kept, not rebuilt: after a deletion
// they read as the deletion left them, which adding again would not give.
struct TermTable {
    std::vector<Term> terms;
    std::vector<std::string> termTexts;
    std::string formulaText;
    bool operator==(const TermTable&) const = default;
};

// The tick steps in force.
struct TickSteps {
    double x = 0, y = 0;
    bool operator==(const TickSteps&) const = default;
};

// What the picture shows, in doubles: the view (its edges exactly when
// `framed`, else widened to two ticks beyond it as the designed plot does)
// and the tick steps in force with it.
struct View {
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    TickSteps ticks;
    bool framed = false;
    bool operator==(const View&) const = default;
};

// The records the behaviour names, each a value private to the module,
// whose procedures read and write them; the designed names live on as
// their members, with the designed column types.
namespace records {

inline constexpr int slotCount = 21;  // slots 0..20, slot 0 unused

// The term table: F as the core reads it (its count is termCount), with
// the texts each term was written as and the boxes it was typed in, slot
// for slot, so they travel with the term.
struct Terms {
    core::Formula formula;
    std::array<std::string, slotCount> termText{};
    std::array<TermBoxes, slotCount> termBoxes{};
    std::string formulaText;
    std::int16_t selectedShape = 0;
};

struct Evaluation {
    double evalX = 0;
    core::TermValues termValue{};
    double evalSum = 0;
    std::int16_t evalFailed = 0;
};

// The graph's frame: the range, the view in force with its tick steps,
// home, the grids, the sweep step, and the views left behind.
struct GraphFrame {
    double rangeStart = 0, rangeEnd = 0;
    double precision = 0;
    double viewXMin = 0, viewXMax = 0, viewYMin = 0, viewYMax = 0;
    bool viewFramed = false;  // the view's edges are the picture's
    double homeXMin = 0, homeXMax = 0, homeYMin = 0, homeYMax = 0;
    double tickX = 0, tickY = 0;
    bool gridX = false, gridY = false;  // grid lines on
    double sweepStep = 0;
    std::vector<View> backViews, forwardViews;
    // The gesture that made the last history step, which a following one
    // of the same kind may continue.
    enum class Gesture { none, wheel, pan } lastGesture = Gesture::none;
};

struct Refinement {
    double bracketX1 = 0, bracketF1 = 0, bracketX2 = 0, bracketF2 = 0;
    double refF1 = 0, refF2 = 0;
    double rootEstimate = 0;
};

// The drag across the graph (outlives the analysis screen), in the 32-bit
// positions the mouse gave.
struct Mouse {
    std::int16_t dragState = 0;
    double pressX = 0, pressY = 0, releaseX = 0, releaseY = 0;
    // Where the band under way was last drawn, for the next move to erase.
    double lastMouseX = 0, lastMouseY = 0;
};

struct Calculation {
    double calcX = 0, calcY = 0;
};

}  // namespace records

// The automatic analysis's result list, as the screen shows it: cleared and
// made visible once, then filled in batches, so ten thousand entries cost
// one insertion. Entries are listed as core::listText(value, precision).
class RootList {
public:
    virtual ~RootList() = default;
    virtual void clearAndShow() = 0;
    virtual void append(const std::vector<double>& values, double precision) = 0;
};

// How F at one x is asked for: the estimate panel refuses a logarithm term
// at x <= 0 before evaluating it; the calculation screen hands every x on.
enum class PointRule { estimatePanel, calculationScreen };
using PointEnd = core::PointEnd;
struct PointValue {
    PointEnd end = PointEnd::value;
    double value = 0;  // F(x) when end is value
};

// A drag across the graph, ended: which way it went and its two points.
struct Drag {
    enum Kind { none, zoom, home, readOut, root } kind = none;
    double pressX = 0, pressY = 0, releaseX = 0, releaseY = 0;
};

class Kalvex {
    friend class KalvexProbe;

public:
    static constexpr int maxTerms = 20;
    static constexpr int maxSamples = core::maxSamples;
    static constexpr double yMinSentinel = 1e9;
    static constexpr double yMaxSentinel = -1e9;
    // refineRoot gives up after this many evaluations.
    static constexpr int refineLimit = core::refineLimit;

    Kalvex();

    // --- The term table ---
    // The shape the setting screen's option buttons chose (0: none).
    void selectShape(int code);
    int chosenShape() const { return table.selectedShape; }
    // 追加: the checks of adding in their order, then the term in the next
    // slot. The refusal's message, or nullptr when the term was added.
    const char* addTerm(const TermBoxes& boxes);
    // As emptying the table and adding each term (twenty at most).
    void replaceTerms(const std::vector<Term>& terms);
    // 削除 of the list's row `row` (-1: none chosen); `listAfter` holds the
    // list's entries once the row is gone, from which the formula is written.
    void removeTerm(int row, const std::vector<std::string>& listAfter);
    int termTotal() const;
    std::vector<Term> terms() const;  // each with the boxes it was typed in
    const std::string& termTextOf(int slot) const;
    const std::string& formulaLine() const;
    std::vector<int> shapeCodes() const;  // of slots 1..termCount
    // The whole table as a value that puts it back exactly as it was taken,
    // for taking a change back.
    TermTable termTable() const;
    void restoreTermTable(const TermTable& saved);

    // --- One x ---
    // The estimate panel: writes termValue and evalSum, shows the messages.
    PointValue pointValue(double x, PointRule rule);
    // The calculation screen: calcX, then calcY when F(calcX) has a value.
    PointValue calculate(double x);
    double calculatedX() const { return calculation.calcX; }
    double calculatedY() const { return calculation.calcY; }

    // --- The graph and the analysis ---
    void setPrecision(double value);
    double cutToPrecision(double v) const;
    // グラフ: the range read from the texts, the precision taken when usable,
    // the scan and the plot. The tick steps to show, unless both texts are
    // empty (then only the range is stored), and how the plot ended: the
    // screens show the graph when it completed.
    struct GraphEnd {
        std::optional<TickSteps> ticks;
        PlotEnd plot = PlotEnd::refused;
    };
    GraphEnd graph(std::string_view startText, std::string_view endText, std::string_view precisionText);
    // 自動解析, from the reading of the boxes to the last message: whether
    // it ran to its end (the fine pass completed) and how its plot ended.
    struct AnalysisEnd {
        bool completed = false;
        PlotEnd plot = PlotEnd::refused;
    };
    AnalysisEnd automaticAnalysis(std::string_view startText, std::string_view endText,
                                  std::string_view precisionText, RootList& list);
    TickSteps tickSteps() const { return {frame.tickX, frame.tickY}; }
    void setTickSteps(TickSteps steps);
    void setGridX(bool on) { frame.gridX = on; }
    void setGridY(bool on) { frame.gridY = on; }
    bool gridXOn() const { return frame.gridX; }
    bool gridYOn() const { return frame.gridY; }
    // True once a scan has set the tick steps and the sweep step that
    // plotGraph draws with.
    bool hasGraph() const;

    // --- The mouse on the graph ---
    void pressGraph(float x, float y);
    void dragGraph(float x, float y);
    Drag releaseGraph(float x, float y);
    // Each of these re-plots and says how the plot ended.
    PlotEnd zoom();
    PlotEnd home();
    // Redraws and draws the leader from the point read out to its label.
    PlotEnd readOut();
    // The root refined between the drag's ends, if F changes sign there and
    // the refinement converged.
    std::optional<double> manualRoot();

    // --- The view and its history ---
    // Every change of view (zoom, home, zoomAbout, panBy) keeps the view it
    // leaves, so that back() re-plots it exactly; a new graph or automatic
    // analysis starts a fresh history. The gestures below work in doubles
    // and choose tick steps for their new view as a fresh scan of its spans
    // would; each returns how the re-plot ended (refused: nothing changed,
    // as without a graph, or a view too deep or too wide for the picture's
    // 32-bit coordinates).
    View view() const;
    // The picture's edges in user units as the current view draws them.
    core::Edges edges() const;
    // Zooms about (x, y), which stays where it is in the picture; factor > 1
    // zooms in. `coalesce` continues the last history step when that was a
    // zoomAbout too (the screen's wheel notches within half a second).
    PlotEnd zoomAbout(double x, double y, double factor, bool coalesce = false);
    // Moves the view by (dx, dy) user units: the curve moves the other way.
    // `coalesce` continues a last step made by panBy (the moves of one drag).
    PlotEnd panBy(double dx, double dy, bool coalesce = false);
    bool back();
    bool forward();
    bool canGoBack() const;
    bool canGoForward() const;
    // The current view again at the picture's present size, with tick steps
    // chosen afresh for its spans; no history step.
    PlotEnd replotAtSize();

    // --- Procedures ---
    void startUp();
    // Draws the view in force. It shows no screen: the caller decides.
    PlotEnd plotGraph();

    // --- Platform ---
    void attach(MessageSink* messages, ScreenHost* host, Canvas* canvas);
    void showMessage(const std::string& text);
    Canvas& canvas() { return *pictureBox; }

    // F as the term table holds it now, for the functions of the core.
    const core::Formula& formula() const { return table.formula; }

private:
    // Puts the term in the next slot, with its term text, and rewrites the
    // formula, as 追加 does once its checks have passed.
    void appendTerm(const Term& term);
    // Reads the precision text; stores it only when usable, so the module
    // never holds a precision the searches cannot work with.
    bool takePrecision(std::string_view text);
    void evaluateF();
    // The plot's end; refused when the scan stopped before it.
    PlotEnd scanRange();
    void refineRoot();
    using Gesture = records::GraphFrame::Gesture;

    // A point where F cannot be computed: the message, the flag, value 0.
    double failTerm(const char* message);
    // What the core found, written into the fields the procedures write:
    // the last point evaluated, a scan, a plot (painted on the picture box),
    // a refinement (its bracket and root; the trace is followed apart).
    void follow(const core::Trace& trace);
    void takeScan(const core::Scan& scan);
    void takePlot(const core::Plot& plot);
    void takeRefinement(const core::Refinement& refinement);
    void takeAnalysis(const core::Analysis& analysis, RootList& list);
    // The view that plotGraph draws, from the fields.
    core::PlotView plotView();
    // The view as the frame holds it, without the picture's size.
    core::PlotView frameView() const;
    void setView(const View& v);
    // Puts `next` in force and plots it, keeping `left` behind unless the
    // step continues the last one.
    PlotEnd moveTo(const View& left, const View& next, Gesture gesture, bool coalesce);
    void keep(const View& left, Gesture gesture);
    void forgetViews();
    void showMessages(const core::Messages& texts);
    // The rubber band from the press point to (x, y): a line when the point
    // is left of and above the press point, else a rectangle.
    bool lineCase(double x, double y) const;
    void drawBand(bool asLine, double x, double y, Ink ink);

    records::Terms table;
    records::Evaluation evaluation;
    records::GraphFrame frame;
    records::Refinement refinement;
    records::Mouse mouse;
    records::Calculation calculation;

    MessageSink* messageSink;
    ScreenHost* screenHost;
    Canvas* pictureBox;
};

// -1, 0 or +1.
inline int Sign(double v) { return core::sign(v); }
