// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis screen's rules in one place, for its window and for the
// command line that runs its analyses and its graph without one.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core.h"

namespace core {

// 図 at its designed size at 96 dots an inch: the grids are spaced by it.
inline constexpr int designedPictureWidth = 942, designedPictureHeight = 565;

// The precision the screen's load sets, before any box is read.
inline constexpr double initialPrecision = 0.1;

// F of the terms an analysis is asked for, or the message that stops it:
// the setting screen opens the analysis screen only for a formula, and adds
// each term only past the checks of 追加.
struct AnalysedFormula {
    std::optional<Formula> formula;
    const char* refusal = nullptr;
    explicit operator bool() const { return formula.has_value(); }
};
AnalysedFormula analysedFormula(const std::vector<Term>& terms);

// The certified analysis's boxes read as the screen reads them: its range
// and precision, or the message that refuses them, the precision's first
// as the automatic analysis checks it first.
struct CertifiedBoxes {
    Range range;
    double precision = initialPrecision;
    const char* refusal = nullptr;
};
CertifiedBoxes certifiedBoxes(std::string_view start, std::string_view end, std::string_view precision);

}  // namespace core
