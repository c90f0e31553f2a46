// The table of shapes against what depends on it: the names files use and
// the boxes a term's text and value read.
#include <gtest/gtest.h>

#include <string>

#include "core.h"

namespace {

// Every box "2" (so that every box a term reads moves its value at x = 0.5), one changed.
TermBoxes twosExcept(std::string TermBoxes::*changed) {
    TermBoxes boxes{"2", "2", "2", "2", "2", "2"};
    if (changed) boxes.*changed = "7";
    return boxes;
}

double valueAtHalf(Shape shape, const TermBoxes& boxes) {
    core::Formula f;
    f.append(termFrom(shape, boxes));
    core::TermValues values{};
    return core::evaluate(f, 0.5, values).sum;
}

}  // namespace

TEST(Shapes, NamesReadBackAndCodesOutsideTheTableAreNone) {
    const char* names[] = {"power", "exp", "base", "log", "sin", "cos", "constant"};
    for (int code = 1; code <= shapeCount; ++code) {
        Shape shape{}, named{};
        ASSERT_TRUE(shapeOf(code, shape));
        EXPECT_STREQ(shapeRule(shape).name, names[code - 1]);
        ASSERT_TRUE(shapeNamed(names[code - 1], named));
        EXPECT_EQ(named, shape);
    }
    Shape none = Shape::power;
    for (int code : {-1, 0, 8, 32767}) EXPECT_FALSE(shapeOf(code, none)) << code;
    for (const char* name : {"", "Power", "tan", "power "}) EXPECT_FALSE(shapeNamed(name, none)) << name;
}

// A box the table lists is one the term's text and value both depend on,
// and a box it does not list changes neither: a file keeps exactly what
// the term needs, and 追加's range check looks at exactly that.
TEST(Shapes, EachShapeReadsExactlyTheBoxesItLists) {
    const std::pair<const char*, std::string TermBoxes::*> every[] = {{"a", &TermBoxes::a}, {"b", &TermBoxes::b},
                                                                      {"n", &TermBoxes::n}, {"c", &TermBoxes::c},
                                                                      {"k", &TermBoxes::k}, {"m", &TermBoxes::m}};
    for (const ShapeRule& rule : shapeRules()) {
        const int code = static_cast<int>(rule.shape);
        const std::string text = termText(code, true, twosExcept(nullptr));
        const double value = valueAtHalf(rule.shape, twosExcept(nullptr));
        std::string listed;
        for (int i = 0; i < rule.boxCount; ++i) listed += rule.boxes[i].key;
        for (const auto& [key, box] : every) {
            SCOPED_TRACE(std::string(rule.name) + " " + key);
            const bool used = listed.find(key) != std::string::npos;
            EXPECT_EQ(termText(code, true, twosExcept(box)) != text, used);
            EXPECT_EQ(valueAtHalf(rule.shape, twosExcept(box)) != value, used);
        }
    }
}
