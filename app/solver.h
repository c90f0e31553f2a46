// SPDX-License-Identifier: GPL-3.0-or-later
// One equation through the automatic analysis or the estimate panel's
// evaluation, as a freshly opened window runs them, without any window:
// the list texts and the messages are collected instead of shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "certified.h"

struct Equation;

struct Outcome {
    // The result list's entries, or the estimate panel's value (one text).
    std::vector<std::string> list;
    std::vector<std::string> messages;  // in the order the window shows them
    bool completed = false;             // ran to its end (a value was shown without a message)
};

// 自動解析 on a freshly opened analysis screen after the terms were added,
// with these texts in 変域(0), 変域(1) and 精度.
Outcome analyse(const Equation& equation, std::string_view start, std::string_view end,
                std::string_view precision);

// 計算 of the estimate panel with this text in its x box.
Outcome evaluate(const Equation& equation, std::string_view xText);

// The certified analysis with the same boxes: the range read as the analysis
// screen reads it, the precision only for the texts of the roots.
struct CertifiedOutcome {
    bool analysed = false;  // the formula, the precision and the range could be used
    core::Certified result;
    double precision = 0.1;
    std::vector<std::string> messages;
    // With digits asked for: each root's text to that many correct digits,
    // in the order of the roots; empty where they could not be told.
    std::vector<std::string> digits;
};
CertifiedOutcome certifiedAnalyse(const Equation& equation, std::string_view start, std::string_view end,
                                  std::string_view precision, int digits = 0);
