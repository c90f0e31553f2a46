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
    evalFailed = 1;
    return 0;
}

bool Kalvex::hasGraph() const {
    core::PlotView v;
    v.tickX = tickX;
    v.tickY = tickY;
    v.sweepStep = sweepStep;
    return core::plottable(v);
}

void Kalvex::selectShape(int code) { selectedShape = static_cast<std::int16_t>(code); }

const char* Kalvex::addTerm(const TermBoxes& boxes) {
    if (const char* refusal = termRefusal(selectedShape, boxes, termCount)) return refusal;
    Shape chosen;
    shapeOf(selectedShape, chosen);  // a refused code never gets here
    appendTerm(termFrom(chosen, boxes));
    return nullptr;
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
    termBoxes[slot] = term.typed;
    formulaText = formulaFromTerms({termText.begin() + 1, termText.begin() + slot + 1});
}

void Kalvex::replaceTerms(const std::vector<Term>& terms) {
    termCount = 0;
    formulaText.clear();
    for (const Term& term : terms) {
        if (termCount >= maxTerms) break;
        appendTerm(term);
    }
}

void Kalvex::removeTerm(int row, const std::vector<std::string>& listAfter) {
    const int before = termCount;
    formulaText = formulaFromList(listAfter);
    termCount = static_cast<std::int16_t>(listAfter.size());
    if (row < 0) return;
    // Every later term moves up one slot, with the texts it was typed as.
    for (int l = row + 1; l <= before - 1 && l + 1 < slotCount; ++l) {
        coefA[l] = coefA[l + 1];
        coefB[l] = coefB[l + 1];
        expN[l] = expN[l + 1];
        offsetC[l] = offsetC[l + 1];
        constK[l] = constK[l + 1];
        baseM[l] = baseM[l + 1];
        shape[l] = shape[l + 1];
        termText[l] = termText[l + 1];
        termBoxes[l] = termBoxes[l + 1];
    }
}

int Kalvex::termTotal() const { return std::clamp<int>(termCount, 0, maxTerms); }

std::vector<Term> Kalvex::terms() const {
    std::vector<Term> all;
    for (int slot = 1; slot <= termTotal(); ++slot) {
        Term t;
        if (!shapeOf(shape[slot], t.shape)) continue;
        t.a = coefA[slot];
        t.b = coefB[slot];
        t.n = expN[slot];
        t.m = baseM[slot];
        t.c = offsetC[slot];
        t.k = constK[slot];
        t.typed = termBoxes[slot];
        all.push_back(t);
    }
    return all;
}

TermTable Kalvex::termTable() const {
    TermTable table{terms(), {}, formulaText};
    for (std::size_t i = 1; i <= table.terms.size(); ++i) table.termTexts.push_back(termText[i]);
    return table;
}

void Kalvex::restoreTermTable(const TermTable& table) {
    termCount = 0;
    for (std::size_t i = 0; i < table.terms.size() && i < maxTerms; ++i) {
        appendTerm(table.terms[i]);
        termText[termCount] = table.termTexts[i];
    }
    formulaText = table.formulaText;
}

const std::string& Kalvex::termTextOf(int slot) const { return termText[std::clamp(slot, 0, slotCount - 1)]; }

const std::string& Kalvex::formulaLine() const { return formulaText; }

std::vector<int> Kalvex::shapeCodes() const {
    std::vector<int> codes;
    for (int slot = 1; slot <= termTotal(); ++slot) codes.push_back(shape[slot]);
    return codes;
}

PointValue Kalvex::pointValue(double x, PointRule rule) {
    const core::Rule coreRule =
        rule == PointRule::estimatePanel ? core::Rule::estimatePanel : core::Rule::plain;
    const core::Point p = core::evaluate(formula(), x, termValue, coreRule);
    evalSum = p.sum;
    for (int i = 0; i < p.failures.count; ++i) failTerm(p.failures.texts[i]);
    return {p.end, evalSum};
}

PointValue Kalvex::calculate(double x) {
    calcX = x;
    const PointValue v = pointValue(calcX, PointRule::calculationScreen);
    if (v.end == PointEnd::value) calcY = v.value;
    return v;
}

void Kalvex::setTickSteps(TickSteps steps) {
    tickX = steps.x;
    tickY = steps.y;
}

void Kalvex::startUp() {
    termCount = 0;
    evalFailed = 0;
    screenHost->showSettingScreen();
}

void Kalvex::evaluateF() {
    const core::Point p = core::evaluate(formula(), evalX, termValue);
    evalSum = p.sum;
    if (p.failed()) evalFailed = 1;
    for (int i = 0; i < p.failures.count; ++i) showMessage(p.failures.texts[i]);
}

core::Formula Kalvex::formula() const {
    core::Formula f;
    f.count = std::clamp<int>(termCount, 0, maxTerms);
    f.shape = shape;
    f.a = coefA;
    f.b = coefB;
    f.n = expN;
    f.m = baseM;
    f.c = offsetC;
    f.k = constK;
    return f;
}

void Kalvex::showMessages(const core::Messages& texts) {
    for (const char* text : texts) showMessage(text);
}

void Kalvex::follow(const core::Trace& trace) {
    if (trace.evaluations > 0) {
        evalX = trace.evalX;
        evalSum = trace.evalSum;
    }
    if (trace.failed) evalFailed = 1;
}

void Kalvex::takeScan(const core::Scan& s) {
    viewXMin = rangeStart;
    viewXMax = rangeEnd;
    viewFramed = false;
    if (s.end == core::ScanEnd::rangeRefused) return;
    sweepStep = s.sweepStep;
    viewYMin = s.yMin;
    viewYMax = s.yMax;
    homeXMin = rangeStart;
    homeXMax = rangeEnd;
    homeYMin = yMinSentinel;
    homeYMax = yMaxSentinel;
    sweepX = s.sweepX;
    follow(s.trace);
    if (s.end != core::ScanEnd::scanned) return;
    tickX = s.tickX;
    tickY = s.tickY;
}

PlotEnd Kalvex::scanRange() {
    const core::Scan s = core::scan(formula(), {rangeStart, rangeEnd}, termValue, evalFailed == 1);
    takeScan(s);
    showMessages(s.messages);
    if (s.end != core::ScanEnd::scanned) return PlotEnd::refused;
    return plotGraph();
}

core::PlotView Kalvex::plotView() {
    core::PlotView v;
    v.xMin = viewXMin;
    v.xMax = viewXMax;
    v.yMin = viewYMin;
    v.yMax = viewYMax;
    v.tickX = tickX;
    v.tickY = tickY;
    v.gridX = gridX;
    v.gridY = gridY;
    v.rangeStart = rangeStart;
    v.rangeEnd = rangeEnd;
    v.sweepStep = sweepStep;
    v.framed = viewFramed;
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
    plotLeft = p.left;
    plotRight = p.right;
    plotTop = p.top;
    plotBottom = p.bottom;
    pictureBox->paint(p.ops);
    const std::size_t n = p.sampleX.size();
    std::copy(p.sampleX.begin(), p.sampleX.end(), sampleX.begin() + 1);
    std::copy(p.sampleY.begin(), p.sampleY.end(), sampleY.begin() + 1);
    sampleCount = static_cast<int>(n);
    sweepX = p.sweepX;
    follow(p.trace);
}

PlotEnd Kalvex::plotGraph() {
    const core::PlotView view = plotView();
    if (!core::plottable(view)) return PlotEnd::refused;
    const core::Plot p = core::plot(formula(), view, termValue, evalFailed == 1);
    takePlot(p);
    showMessages(p.messages);
    return p.end;
}

void Kalvex::takeRefinement(const core::Refinement& r) {
    bracketX1 = r.bracket.x1;
    bracketF1 = r.bracket.f1;
    bracketX2 = r.bracket.x2;
    bracketF2 = r.bracket.f2;
    refF1 = r.bracket.ref1;
    refF2 = r.bracket.ref2;
    if (r.end == core::RefineEnd::converged) rootEstimate = r.root;
}

void Kalvex::refineRoot() {
    const core::Bracket b{bracketX1, bracketF1, bracketX2, bracketF2, refF1, refF2};
    const core::Refinement r = core::refine(formula(), b, precision, termValue, evalFailed == 1);
    takeRefinement(r);
    follow(r.trace);
    showMessages(r.messages);
}
