// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver.h"

#include <algorithm>
#include <optional>

#include "analysisrules.h"
#include "core.h"
#include "equationfile.h"
#include "messages.h"
#include "numbertext.h"

namespace {

void collect(const core::Messages& texts, Outcome& outcome) {
    for (const char* text : texts) outcome.messages.push_back(text);
}

// F of the equation's terms for an analysis, or the message that stops it.
std::optional<core::Formula> analysable(const Equation& equation, std::vector<std::string>& stops) {
    core::AnalysedFormula made = core::analysedFormula(equation.terms);
    if (!made) stops.push_back(made.refusal);
    return std::move(made.formula);
}

}  // namespace

Outcome analyse(const Equation& equation, std::string_view start, std::string_view end,
                std::string_view precision) {
    Outcome outcome;
    const std::optional<core::Formula> formula = analysable(equation, outcome.messages);
    if (!formula) return outcome;
    const core::Formula& f = *formula;
    core::AnalysisInput in;
    in.startText = start;
    in.endText = end;
    in.precisionText = precision;
    in.precision = core::initialPrecision;
    in.view.pixelWidth = core::designedPictureWidth;
    in.view.pixelHeight = core::designedPictureHeight;
    core::TermValues values{};
    const core::Analysis a = core::analyse(f, in, values);
    outcome.list = a.texts();
    collect(a.messages(), outcome);
    outcome.completed = a.completed;
    return outcome;
}

Outcome evaluate(const Equation& equation, std::string_view xText) {
    Outcome outcome;
    const std::optional<core::Formula> formula = analysable(equation, outcome.messages);
    if (!formula) return outcome;
    const core::Formula& f = *formula;
    core::TermValues values{};
    const core::Point p = core::evaluate(f, readNumber(xText), values, core::Rule::estimatePanel);
    collect(core::Messages(p.failures.texts.begin(), p.failures.texts.begin() + p.failures.count), outcome);
    if (p.end == core::PointEnd::value) {
        outcome.list.push_back(generalNumberText(p.sum));
        // A value shown beside a failure message counts a failing term as 0:
        // it is not F(x), and a script must not take it for one.
        outcome.completed = outcome.messages.empty();
    }
    return outcome;
}

CertifiedOutcome certifiedAnalyse(const Equation& equation, std::string_view start, std::string_view end,
                                  std::string_view precision, int digits) {
    CertifiedOutcome outcome;
    const std::optional<core::Formula> formula = analysable(equation, outcome.messages);
    if (!formula) return outcome;
    const core::Formula& f = *formula;
    const core::CertifiedBoxes boxes = core::certifiedBoxes(start, end, precision);
    if (boxes.refusal) {
        outcome.messages.push_back(boxes.refusal);
        return outcome;
    }
    outcome.precision = boxes.precision;
    outcome.result = core::certify(f, boxes.range);
    outcome.analysed = true;
    // A possible multiple root is said in the summary line; this is for work left undone.
    const auto& found = outcome.result.findings;
    if (std::any_of(found.begin(), found.end(),
                    [](const core::Finding& g) { return g.kind == core::Finding::unresolved; }))
        outcome.messages.push_back(messages::files::certifiedIncomplete);
    for (const core::Finding& g : found) {
        if (digits > 0 && g.kind == core::Finding::root)
            outcome.digits.push_back(core::rootDigits(f, g, digits));
    }
    return outcome;
}
