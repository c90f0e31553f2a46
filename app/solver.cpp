#include "solver.h"

#include <memory>

#include "equationfile.h"
#include "kalvex.h"
#include "messages.h"
#include "numbertext.h"
#include "pointvalue.h"
#include "rootsearch.h"

namespace {

// The window's parts that the analysis reaches: messages are kept, the
// screens need no showing and the plot goes nowhere.
class Collector : public MessageSink, public ScreenHost, public Canvas, public rootsearch::RootList {
public:
    explicit Collector(Outcome& outcome) : outcome(outcome) {}

    void showMessage(const std::string& text) override { outcome.messages.push_back(text); }

    void showSettingScreen() override {}
    void showAnalysisScreen() override {}
    void endProgram() override {}

    void clear() override {}
    void setScale(float, float, float, float) override {}
    void line(float, float, float, float, Ink) override {}
    void rectangle(float, float, float, float, Ink) override {}
    void filledRectangle(float, float, float, float, Ink) override {}
    void point(float, float, Ink) override {}
    // The analysis screen's picture at 96 dots an inch: grids are spaced by it.
    int pixelWidth() override { return 942; }
    int pixelHeight() override { return 565; }

    void clearAndShow() override { outcome.list.clear(); }
    void append(const std::vector<std::string>& texts) override {
        outcome.list.insert(outcome.list.end(), texts.begin(), texts.end());
    }

private:
    Outcome& outcome;
};

// A module as the program holds it after the terms were added one by one.
// On the heap: its sample arrays alone are 1.6 MB.
std::unique_ptr<Kalvex> moduleWith(const Equation& equation, Collector& collector, Outcome& outcome) {
    auto k = std::make_unique<Kalvex>();
    k->attach(&collector, &collector, &collector);
    if (const char* refusal = loadTerms(*k, equation)) {
        outcome.messages.push_back(refusal);
        return nullptr;
    }
    return k;
}

}  // namespace

Outcome analyse(const Equation& equation, std::string_view start, std::string_view end,
                std::string_view precision) {
    Outcome outcome;
    Collector collector(outcome);
    // The setting screen opens the analysis screen only for a formula.
    if (equation.terms.empty()) {
        outcome.messages.push_back(messages::enterFormula);
        return outcome;
    }
    std::unique_ptr<Kalvex> k = moduleWith(equation, collector, outcome);
    if (!k) return outcome;
    k->precision = 0.1;  // the analysis screen's load
    outcome.completed = rootsearch::automaticAnalysis(*k, start, end, precision, collector);
    return outcome;
}

Outcome evaluate(const Equation& equation, std::string_view xText) {
    Outcome outcome;
    Collector collector(outcome);
    std::unique_ptr<Kalvex> k = moduleWith(equation, collector, outcome);
    if (!k) return outcome;
    if (pointValue(*k, readNumber(xText), PointRule::estimatePanel) == PointEnd::value) {
        outcome.list.push_back(generalNumberText(k->evalSum));
        outcome.completed = true;
    }
    return outcome;
}
