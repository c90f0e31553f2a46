// The module: all state that more than one screen shares, and the numerical
// procedures that work on it. One instance per process; a test makes its own.
#pragma once

#include <array>
#include <cstdint>
#include <string>
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

class Kalvex {
public:
    static constexpr int slotCount = 21;  // slots 0..20, slot 0 unused
    static constexpr int maxTerms = 20;
    static constexpr int sampleSlots = 100001;  // slots 0..100000, slot 0 unused
    static constexpr int maxSamples = sampleSlots - 1;
    static constexpr double yMinSentinel = 1e9;
    static constexpr double yMaxSentinel = -1e9;

    Kalvex();

    // --- TermTable ---
    std::int16_t termCount = 0;
    std::array<std::int16_t, slotCount> shape{};
    std::array<float, slotCount> coefA{};
    std::array<float, slotCount> coefB{};
    std::array<float, slotCount> expN{};
    std::array<float, slotCount> baseM{};
    std::array<float, slotCount> offsetC{};
    std::array<float, slotCount> constK{};
    std::array<std::string, slotCount> termText{};
    std::string formulaText;
    // The boxes each term was typed in, for writing the equation to a file.
    std::array<TermBoxes, slotCount> termBoxes{};
    std::int16_t selectedShape = 0;

    // --- EvalState ---
    double evalX = 0;
    std::array<double, slotCount> termValue{};
    double evalSum = 0;
    std::int16_t evalFailed = 0;

    // --- GraphFrame ---
    double rangeStart = 0, rangeEnd = 0;
    double precision = 0;
    double viewXMin = 0, viewXMax = 0, viewYMin = 0, viewYMax = 0;
    double homeXMin = 0, homeXMax = 0, homeYMin = 0, homeYMax = 0;
    double tickX = 0, tickY = 0;
    std::string gridX, gridY;
    double sweepX = 0;
    double sweepStep = 0;
    double plotLeft = 0, plotRight = 0, plotBottom = 0, plotTop = 0;
    std::vector<double> sampleX = std::vector<double>(sampleSlots);
    std::vector<double> sampleY = std::vector<double>(sampleSlots);
    int sampleCount = 0;  // n of the last sampling

    // Calls of evaluateF since start: for tests and measurements only.
    long evaluations = 0;

    // --- Refinement ---
    double bracketX1 = 0, bracketF1 = 0, bracketX2 = 0, bracketF2 = 0;
    double refF1 = 0, refF2 = 0;
    double rootEstimate = 0;

    // --- Drag state of the graph (outlives the analysis screen) ---
    std::int16_t dragState = 0;
    double pressX = 0, pressY = 0, releaseX = 0, releaseY = 0;

    // --- Calculation screen ---
    double calcX = 0, calcY = 0;

    // Puts the term in the next slot, with its term text, and rewrites the
    // formula, as 追加 does once its checks have passed.
    void appendTerm(const Term& term);
    // The terms in slots 1..termCount, and the whole table as a value that
    // puts it back exactly as it was taken, for taking a change back.
    std::vector<Term> terms() const;
    TermTable termTable() const;
    void restoreTermTable(const TermTable& table);

    // --- Procedures ---
    void startUp();
    void evaluateF();
    // True when the scan got as far as plotting, whatever the plot did.
    bool scanRange();
    PlotEnd plotGraph();
    void refineRoot();

    // --- Platform ---
    void attach(MessageSink* messages, ScreenHost* host, Canvas* canvas);
    void showMessage(const std::string& text);
    void showAnalysisScreen() { screenHost->showAnalysisScreen(); }
    Canvas& canvas() { return *pictureBox; }

    // A point where F cannot be computed: the message, the flag, value 0.
    double failTerm(const char* message);

    // True once a scan has set the tick steps and the sweep step that
    // plotGraph draws with.
    bool hasGraph() const;

    // refineRoot gives up after this many evaluations.
    static constexpr int refineLimit = core::refineLimit;

    // F as the term table holds it now, for the functions of the core.
    core::Formula formula() const;
    // What the core found, written into the fields the procedures write:
    // the last point evaluated, a scan, a plot (painted on the picture box),
    // a refinement (its bracket and root; the trace is followed apart).
    void follow(const core::Trace& trace);
    void takeScan(const core::Scan& scan);
    void takePlot(const core::Plot& plot);
    void takeRefinement(const core::Refinement& refinement);
    // The view that plotGraph draws, from the fields.
    core::PlotView plotView();
    void showMessages(const core::Messages& texts);

private:
    MessageSink* messageSink;
    ScreenHost* screenHost;
    Canvas* pictureBox;
};

// -1, 0 or +1.
inline int Sign(double v) { return core::sign(v); }
