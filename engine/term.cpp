#include "term.h"

#include <algorithm>
#include <initializer_list>

#include "kalvex.h"
#include "messages.h"
#include "numbertext.h"

bool shapeOf(int code, Shape& shape) {
    if (code < 1 || code > 7) return false;
    shape = static_cast<Shape>(code);
    return true;
}

// The behaviour's checks first, each with its own message; then ours, which
// keep the table within its 20 slots and its 32-bit columns finite.
const char* termRefusal(int code, const TermBoxes& boxes, int count) {
    if (code == 7 && boxes.k.empty()) return messages::nothingEntered;
    if (boxes.a.empty() && code != 1 && code != 7) return messages::coefficientRequired;
    if (boxes.b.empty() && code == 1) return messages::coefficientRequired;
    if (code < 1 || code > 7) return messages::chooseShape;
    if (count >= Kalvex::maxTerms) return messages::tooManyTerms;
    // Only the boxes that the shape's term reads; the others are never evaluated.
    auto fit = [](std::initializer_list<const std::string*> used) {
        return std::all_of(used.begin(), used.end(),
                           [](const std::string* box) { return fitsSingle(readNumber(*box)); });
    };
    bool fits;
    if (code == 7) {
        fits = fit({&boxes.k});
    } else if (code == 1) {
        fits = fit({&boxes.b, &boxes.n});
    } else {
        fits = fit({&boxes.a, &boxes.b, &boxes.n, &boxes.c}) && (code != 3 || fit({&boxes.m}));
    }
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
