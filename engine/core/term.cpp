// SPDX-License-Identifier: GPL-3.0-or-later
#include "term.h"

#include <algorithm>
#include <cstring>

#include "messages.h"
#include "numbertext.h"
#include "termfunctions.h"

// The behaviour's checks first, each with its own message; then ours, which
// keep the table within its 20 slots and its 32-bit columns finite and
// what was typed from silently becoming 0.
TermFault termFault(int code, const TermBoxes& boxes, int count) {
    Shape shape;
    const bool known = shapeOf(code, shape);
    if (known) {
        const ShapeRule& rule = shapeRule(shape);
        if ((boxes.*rule.required).empty())
            // The texts, not their addresses: a literal need not be one
            // object in every file that names it.
            return std::strcmp(rule.whenEmpty, messages::nothingEntered) == 0 ? TermFault::nothingEntered
                                                                               : TermFault::coefficientRequired;
    } else if (boxes.a.empty()) {
        // Without a shape the coefficient's check still comes first.
        return TermFault::coefficientRequired;
    }
    if (!known) return TermFault::chooseShape;
    if (count >= core::maxTerms) return TermFault::tooManyTerms;
    // Only the boxes that the shape's term reads; the others are never evaluated.
    const ShapeRule& rule = shapeRule(shape);
    const auto used = rule.boxes.begin(), usedEnd = used + rule.boxCount;
    auto any = [&](auto test) {
        return std::any_of(used, usedEnd, [&](const ShapeBox& box) { return test(boxes.*box.text); });
    };
    if (any([](const std::string& text) { return !fitsSingle(readNumber(text)); }))
        return TermFault::numberTooLarge;
    if (any([](const std::string& text) { return tooSmallForSingle(text); }))
        return TermFault::numberTooSmall;
    return TermFault::none;
}

const char* termMessage(TermFault fault) {
    switch (fault) {
        case TermFault::none: return nullptr;
        case TermFault::coefficientRequired: return messages::coefficientRequired;
        case TermFault::nothingEntered: return messages::nothingEntered;
        case TermFault::chooseShape: return messages::chooseShape;
        case TermFault::tooManyTerms: return messages::tooManyTerms;
        case TermFault::numberTooLarge: return messages::numberTooLarge;
        case TermFault::numberTooSmall: return messages::numberTooSmall;
    }
    return nullptr;
}

const char* termRefusal(int code, const TermBoxes& boxes, int count) {
    return termMessage(termFault(code, boxes, count));
}

Term termFrom(Shape shape, const TermBoxes& boxes) {
    auto single = [](const std::string& text) { return toSingle(readNumber(text)); };
    Term t;
    t.shape = shape;
    t.a = single(boxes.a);
    t.b = single(boxes.b);
    t.n = single(boxes.n);
    t.m = single(boxes.m);
    t.c = single(boxes.c);
    t.k = single(boxes.k);
    t.typed = boxes;
    return t;
}
