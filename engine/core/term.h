// SPDX-License-Identifier: GPL-3.0-or-later
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

// Why 追加 refuses a term, as a code; its message is termMessage's.
enum class TermFault {
    none,
    coefficientRequired,  // the shape's required box is empty (a, b)
    nothingEntered,       // the constant's k is empty
    chooseShape,
    tooManyTerms,
    numberTooLarge,  // a box the term reads is beyond the 32-bit range
    numberTooSmall,  // a box the term reads is not 0 but would become 0
};

// The checks of adding a term of shape `code` (0 when none is chosen) from
// the boxes to a table holding `count` terms, in their order: the first
// that refuses, or none when the term may be added.
TermFault termFault(int code, const TermBoxes& boxes, int count);

// The message of messages.h for a fault; nullptr for none.
const char* termMessage(TermFault fault);

// The message of termFault's refusal, or nullptr when the term may be added.
const char* termRefusal(int code, const TermBoxes& boxes, int count);

// The term the boxes make: every parameter the lenient reading of its box,
// narrowed to 32 bits.
Term termFrom(Shape shape, const TermBoxes& boxes);
