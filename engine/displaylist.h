// A picture as data: the drawing operations in order, in user units as
// 32-bit floats. The plot is built as one; the picture box paints it, and
// anything else (a file, a test) can replay it.
#pragma once

#include <vector>

#include "platform.h"

struct DrawOp {
    enum Kind { Clear, Scale, Line, Rectangle, FilledRectangle, Point };
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a Scale's left, top, right, bottom
    Ink ink;
    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

using DisplayList = std::vector<DrawOp>;

// Hands every operation to the canvas, in order.
void replay(const DisplayList& ops, Canvas& canvas);
