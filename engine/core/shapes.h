// SPDX-License-Identifier: GPL-3.0-or-later
// The seven shapes a term can take, described once: what a file calls each,
// which boxes of the setting screen its term reads, how 追加 checks them,
// how the term is evaluated and how its text is written. Everything that
// differs between shapes is read from here, never from a code of its own.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "termboxes.h"

enum class Shape : std::int16_t { power = 1, exp = 2, base = 3, log = 4, sin = 5, cos = 6, constant = 7 };

inline constexpr int shapeCount = 7;

// The shape of a code 1..7 (the term table's column); false for any other code.
bool shapeOf(int code, Shape& shape);

namespace core {
struct Failures;
}

// One slot's parameters, widened to double as the term functions take them.
struct TermColumns {
    double a = 0, b = 0, n = 0, m = 0, c = 0, k = 0;
};

// A box of the setting screen under its key in the file.
struct ShapeBox {
    const char* key;
    std::string TermBoxes::*text;
};

// How a term text is put together: b·X^(n), a·f(b·X^n+c), or k alone.
enum class TextForm { power, bracketed, constant };

struct ShapeRule {
    Shape shape;
    const char* name;  // in equation files
    // The box 追加 wants filled, and its message when it is empty.
    std::string TermBoxes::*required;
    const char* whenEmpty;
    // The boxes the term reads, in the order a file writes them: only these
    // must fit a 32-bit float, and only these are kept in a file.
    int boxCount;
    std::array<ShapeBox, 5> boxes;
    TextForm form;
    // Written before the bracket; none for the base, whose own text m comes there.
    const char* function;
    // Its name on the formula line, which writes it and reads it beside
    // `function`; none where the line writes no name (power, base, constant).
    const char* lineName;
    // The term's value at x, or 0 with the reason added to the failures.
    double (*value)(double x, const TermColumns& p, core::Failures& failures);
    // The estimate panel refuses an x <= 0 before evaluating (the logarithm).
    bool positiveXOnly;
    // The plot samples from the range's start instead of three ticks before it.
    bool plotsFromRangeStart;
};

const ShapeRule& shapeRule(Shape shape);
const std::array<ShapeRule, shapeCount>& shapeRules();

// The shape a file names ("power" ... "constant"); false for any other name.
bool shapeNamed(std::string_view name, Shape& shape);
