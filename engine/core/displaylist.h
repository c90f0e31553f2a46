// SPDX-License-Identifier: GPL-3.0-or-later
// A picture as data: the drawing operations in order, in user units as
// 32-bit floats. The plot is built as one; the picture box paints it, and
// anything else (a file, a test) can replay it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

namespace colours {
inline constexpr Colour grid{255, 255, 0};
inline constexpr Colour frame{0, 0, 200};
inline constexpr Colour axes{255, 0, 0};
inline constexpr Colour white{255, 255, 255};
}  // namespace colours

// No colour means the picture box's foreground colour.
using Ink = std::optional<Colour>;

// One drawing operation of a picture, in user units as 32-bit floats.
struct DrawOp {
    enum Kind { Clear, Scale, Line, Rectangle, FilledRectangle, Point };
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a Scale's left, top, right, bottom
    Ink ink;
    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

using DisplayList = std::vector<DrawOp>;
