// A picture as data: the drawing operations in order, in user units as
// 32-bit floats. The plot is built as one; the picture box paints it, and
// anything else (a file, a test) can replay it.
#pragma once

#include "platform.h"

// Hands every operation to the canvas, in order.
void replay(const DisplayList& ops, Canvas& canvas);
