// One term of F as a value: its shape, the 32-bit parameters that the term
// table stores, and the texts it was typed as. The setting screen's 追加 and
// the equation files make terms the same way, with the same checks.
#pragma once

#include <cstdint>
#include <string>

#include "shapes.h"
#include "termtext.h"

struct Term {
    Shape shape = Shape::power;
    // The columns of the term table: a, b, n, m (the base), c and k (the
    // constant). A shape reads only its own; the others are stored all the same.
    float a = 0, b = 0, n = 0, m = 0, c = 0, k = 0;
    TermBoxes typed;  // the boxes as typed, from which the term text is made
    bool operator==(const Term&) const = default;
};

// The checks of adding a term of shape `code` (0 when none is chosen) from
// the boxes to a table holding `count` terms, in their order: the message of
// the first that refuses, or nullptr when the term may be added.
const char* termRefusal(int code, const TermBoxes& boxes, int count);

// The term the boxes make: every parameter the lenient reading of its box,
// narrowed to 32 bits.
Term termFrom(Shape shape, const TermBoxes& boxes);
