// SPDX-License-Identifier: GPL-3.0-or-later
#include "kalvex.h"

#include <algorithm>
#include <cmath>

#include "messages.h"
#include "numbertext.h"

namespace {

// Stand-ins until the real platform is attached: nothing is shown or drawn.
class SilentPlatform : public MessageSink, public ScreenHost, public Canvas {
public:
    void showMessage(const std::string&) override {}
    void showSettingScreen() override {}
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
    evaluation.evalFailed = 1;
    return 0;
}

bool Kalvex::hasGraph() const {
    core::PlotView v;
    v.tickX = frame.tickX;
    v.tickY = frame.tickY;
    v.sweepStep = frame.sweepStep;
    return core::plottable(v);
}

void Kalvex::selectShape(int code) { table.selectedShape = static_cast<std::int16_t>(code); }

const char* Kalvex::addTerm(const TermBoxes& boxes) {
    if (const char* refusal = termRefusal(table.selectedShape, boxes, table.formula.count)) return refusal;
    Shape chosen;
    shapeOf(table.selectedShape, chosen);  // a refused code never gets here
    appendTerm(termFrom(chosen, boxes));
    return nullptr;
}

void Kalvex::appendTerm(const Term& term) {
    if (!table.formula.append(term)) return;
    const int slot = table.formula.count;
    table.termText[slot] = ::termText(table.formula.shape[slot], slot == 1, term.typed);
    table.termBoxes[slot] = term.typed;
    table.formulaText = formulaFromTerms({table.termText.begin() + 1, table.termText.begin() + slot + 1});
}

void Kalvex::replaceTerms(const std::vector<Term>& terms) {
    table.formula.count = 0;
    table.formulaText.clear();
    for (const Term& term : terms) {
        if (table.formula.count >= maxTerms) break;
        appendTerm(term);
    }
}

void Kalvex::removeTerm(int row, const std::vector<std::string>& listAfter) {
    const int before = table.formula.count;
    table.formulaText = formulaFromList(listAfter);
    table.formula.count = static_cast<int>(listAfter.size());
    if (row < 0) return;
    // Every later term moves up one slot, with the texts it was typed as.
    core::Formula& f = table.formula;
    for (int l = row + 1; l <= before - 1 && l + 1 < records::slotCount; ++l) {
        f.shape[l] = f.shape[l + 1];
        f.a[l] = f.a[l + 1];
        f.b[l] = f.b[l + 1];
        f.n[l] = f.n[l + 1];
        f.m[l] = f.m[l + 1];
        f.c[l] = f.c[l + 1];
        f.k[l] = f.k[l + 1];
        table.termText[l] = table.termText[l + 1];
        table.termBoxes[l] = table.termBoxes[l + 1];
    }
}

int Kalvex::termTotal() const { return std::clamp<int>(table.formula.count, 0, maxTerms); }

std::vector<Term> Kalvex::terms() const {
    std::vector<Term> all;
    for (int slot = 1; slot <= termTotal(); ++slot) {
        Term t;
        if (!shapeOf(table.formula.shape[slot], t.shape)) continue;
        t.a = table.formula.a[slot];
        t.b = table.formula.b[slot];
        t.n = table.formula.n[slot];
        t.m = table.formula.m[slot];
        t.c = table.formula.c[slot];
        t.k = table.formula.k[slot];
        t.typed = table.termBoxes[slot];
        all.push_back(t);
    }
    return all;
}

TermTable Kalvex::termTable() const {
    TermTable saved{terms(), {}, table.formulaText};
    for (std::size_t i = 1; i <= saved.terms.size(); ++i) saved.termTexts.push_back(table.termText[i]);
    return saved;
}

void Kalvex::restoreTermTable(const TermTable& saved) {
    table.formula.count = 0;
    for (std::size_t i = 0; i < saved.terms.size() && i < maxTerms; ++i) {
        appendTerm(saved.terms[i]);
        table.termText[table.formula.count] = saved.termTexts[i];
    }
    table.formulaText = saved.formulaText;
}

const std::string& Kalvex::termTextOf(int slot) const { return table.termText[std::clamp(slot, 0, records::slotCount - 1)]; }

const std::string& Kalvex::formulaLine() const { return table.formulaText; }

std::vector<int> Kalvex::shapeCodes() const {
    std::vector<int> codes;
    for (int slot = 1; slot <= termTotal(); ++slot) codes.push_back(table.formula.shape[slot]);
    return codes;
}

PointValue Kalvex::pointValue(double x, PointRule rule) {
    const core::Rule coreRule =
        rule == PointRule::estimatePanel ? core::Rule::estimatePanel : core::Rule::plain;
    const core::Point p = core::evaluate(formula(), x, evaluation.termValue, coreRule);
    evaluation.evalSum = p.sum;
    for (int i = 0; i < p.failures.count; ++i) failTerm(p.failures.texts[i]);
    return {p.end, evaluation.evalSum};
}

PointValue Kalvex::calculate(double x) {
    calculation.calcX = x;
    const PointValue v = pointValue(calculation.calcX, PointRule::calculationScreen);
    if (v.end == PointEnd::value) calculation.calcY = v.value;
    return v;
}

void Kalvex::setTickSteps(TickSteps steps) {
    frame.tickX = steps.x;
    frame.tickY = steps.y;
}

void Kalvex::startUp() {
    table.formula.count = 0;
    evaluation.evalFailed = 0;
    screenHost->showSettingScreen();
}

void Kalvex::evaluateF() {
    const core::Point p = core::evaluate(formula(), evaluation.evalX, evaluation.termValue);
    evaluation.evalSum = p.sum;
    if (p.failed()) evaluation.evalFailed = 1;
    for (int i = 0; i < p.failures.count; ++i) showMessage(p.failures.texts[i]);
}

void Kalvex::showMessages(const core::Messages& texts) {
    for (const char* text : texts) showMessage(text);
}

void Kalvex::follow(const core::Trace& trace) {
    if (trace.evaluations > 0) {
        evaluation.evalX = trace.evalX;
        evaluation.evalSum = trace.evalSum;
    }
    if (trace.failed) evaluation.evalFailed = 1;
}

void Kalvex::takeScan(const core::Scan& s) {
    frame.viewXMin = frame.rangeStart;
    frame.viewXMax = frame.rangeEnd;
    frame.viewFramed = false;
    if (s.end == core::ScanEnd::rangeRefused) return;
    frame.sweepStep = s.sweepStep;
    frame.viewYMin = s.yMin;
    frame.viewYMax = s.yMax;
    frame.homeXMin = frame.rangeStart;
    frame.homeXMax = frame.rangeEnd;
    frame.homeYMin = yMinSentinel;
    frame.homeYMax = yMaxSentinel;
    follow(s.trace);
    if (s.end != core::ScanEnd::scanned) return;
    frame.tickX = s.tickX;
    frame.tickY = s.tickY;
}

PlotEnd Kalvex::scanRange() {
    const core::Scan s = core::scan(formula(), {frame.rangeStart, frame.rangeEnd}, evaluation.termValue, evaluation.evalFailed == 1);
    takeScan(s);
    showMessages(s.messages);
    if (s.end != core::ScanEnd::scanned) return PlotEnd::refused;
    return plotGraph();
}

core::PlotView Kalvex::frameView() const {
    core::PlotView v;
    v.xMin = frame.viewXMin;
    v.xMax = frame.viewXMax;
    v.yMin = frame.viewYMin;
    v.yMax = frame.viewYMax;
    v.tickX = frame.tickX;
    v.tickY = frame.tickY;
    v.gridX = frame.gridX;
    v.gridY = frame.gridY;
    v.rangeStart = frame.rangeStart;
    v.rangeEnd = frame.rangeEnd;
    v.sweepStep = frame.sweepStep;
    v.framed = frame.viewFramed;
    return v;
}

core::PlotView Kalvex::plotView() {
    core::PlotView v = frameView();
    // Asked only for a view that can be drawn: the picture box may have to
    // be created for it.
    if (core::plottable(v)) {
        v.pixelWidth = pictureBox->pixelWidth();
        v.pixelHeight = pictureBox->pixelHeight();
    }
    return v;
}

void Kalvex::takePlot(const core::Plot& p) {
    if (p.end == core::PlotEnd::refused) return;
    pictureBox->paint(p.ops);
    follow(p.trace);
}

PlotEnd Kalvex::plotGraph() {
    const core::PlotView view = plotView();
    if (!core::plottable(view)) return PlotEnd::refused;
    const core::Plot p = core::plot(formula(), view, evaluation.termValue, evaluation.evalFailed == 1);
    takePlot(p);
    showMessages(p.messages);
    return p.end;
}

void Kalvex::takeRefinement(const core::Refinement& r) {
    refinement.bracketX1 = r.bracket.x1;
    refinement.bracketF1 = r.bracket.f1;
    refinement.bracketX2 = r.bracket.x2;
    refinement.bracketF2 = r.bracket.f2;
    refinement.refF1 = r.bracket.ref1;
    refinement.refF2 = r.bracket.ref2;
    if (r.end == core::RefineEnd::converged) refinement.rootEstimate = r.root;
}

void Kalvex::refineRoot() {
    const core::Bracket b{refinement.bracketX1, refinement.bracketF1, refinement.bracketX2, refinement.bracketF2, refinement.refF1, refinement.refF2};
    const core::Refinement r = core::refine(formula(), b, frame.precision, evaluation.termValue, evaluation.evalFailed == 1);
    takeRefinement(r);
    follow(r.trace);
    showMessages(r.messages);
}
