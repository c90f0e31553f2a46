// SPDX-License-Identifier: GPL-3.0-or-later
// The six term functions and what they report: each gives a term's value
// at x, or 0 with the reason it has none. Plain functions of numbers, so
// that the shapes and the core can both use them.
#pragma once

#include <array>
#include <vector>

namespace core {

inline constexpr int maxTerms = 20;
inline constexpr int tableSlots = maxTerms + 1;  // slot 0 unused, as in the term table

// Messages in the order they arose: texts of engine/messages.h.
using Messages = std::vector<const char*>;

// Why a point of F has no value, in order; room for every term and the sum.
struct Failures {
    std::array<const char*, tableSlots + 1> texts{};
    int count = 0;
    void add(const char* text) {
        if (count < static_cast<int>(texts.size())) texts[count++] = text;
    }
    void appendTo(Messages& messages) const {
        messages.insert(messages.end(), texts.begin(), texts.begin() + count);
    }
};

// The six term functions: a value, or 0 with the reason added to failures.
double power(double x, double b, double n, Failures& failures);
double exponential(double x, double a, double b, double n, double c, Failures& failures);
double powerOfBase(double x, double m, double a, double b, double n, double c, Failures& failures);
double logarithm(double x, double a, double b, double n, double c, Failures& failures);
double sine(double x, double a, double b, double n, double c, Failures& failures);
double cosine(double x, double a, double b, double n, double c, Failures& failures);

}  // namespace core
