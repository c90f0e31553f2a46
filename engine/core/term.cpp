#include "term.h"

#include <algorithm>

#include "termfunctions.h"
#include "messages.h"
#include "numbertext.h"

// The behaviour's checks first, each with its own message; then ours, which
// keep the table within its 20 slots and its 32-bit columns finite.
const char* termRefusal(int code, const TermBoxes& boxes, int count) {
    Shape shape;
    const bool known = shapeOf(code, shape);
    if (known) {
        const ShapeRule& rule = shapeRule(shape);
        if ((boxes.*rule.required).empty()) return rule.whenEmpty;
    } else if (boxes.a.empty()) {
        // Without a shape the coefficient's check still comes first.
        return messages::coefficientRequired;
    }
    if (!known) return messages::chooseShape;
    if (count >= core::maxTerms) return messages::tooManyTerms;
    // Only the boxes that the shape's term reads; the others are never evaluated.
    const ShapeRule& rule = shapeRule(shape);
    const auto used = rule.boxes.begin(), usedEnd = used + rule.boxCount;
    const bool fits =
        std::all_of(used, usedEnd, [&](const ShapeBox& box) { return fitsSingle(readNumber(boxes.*box.text)); });
    return fits ? nullptr : messages::numberTooLarge;
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
