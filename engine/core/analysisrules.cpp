// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysisrules.h"

#include <cmath>

#include "messages.h"
#include "numbertext.h"

namespace core {

AnalysedFormula analysedFormula(const std::vector<Term>& terms) {
    if (terms.empty()) return {std::nullopt, messages::enterFormula};
    FormulaFrom made = formulaFrom(terms);
    if (!made) return {std::nullopt, made.refusal};
    return {std::move(made.formula), nullptr};
}

CertifiedBoxes certifiedBoxes(std::string_view start, std::string_view end, std::string_view precision) {
    CertifiedBoxes boxes;
    boxes.precision = readNumber(precision);
    if (!usablePrecision(boxes.precision)) {
        boxes.refusal = messages::precisionPositive;
        return boxes;
    }
    boxes.range = {readNumber(start), readNumber(end)};
    // Two empty boxes give no range: not the single point 0.
    const bool noRange = start.empty() && end.empty();
    // A range of one point is refused as the automatic analysis refuses it.
    if (noRange || !std::isfinite(boxes.range.start) || !std::isfinite(boxes.range.end) ||
        boxes.range.start == boxes.range.end)
        boxes.refusal = messages::rangeOrDivisions;
    return boxes;
}

}  // namespace core
