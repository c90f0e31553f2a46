// SPDX-License-Identifier: GPL-3.0-or-later
// The table of shapes against what depends on it: the names files use, the
// boxes a term's text and value read, and the checks of 追加 as F is built.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core.h"
#include "messages.h"

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

TEST(Shapes, FormulaFromRefusesAsAddingDoes) {
    const Term power = termFrom(Shape::power, {"", "1", "2", "", "", ""});
    const std::vector<Term> twenty(core::maxTerms, power);
    std::vector<Term> twentyOne = twenty;
    twentyOne.push_back(termFrom(Shape::constant, {"", "", "", "", "1", ""}));
    const struct {
        const char* name;
        std::vector<Term> terms;
        const char* refusal;
        int refusedTerm;
    } cases[] = {
        {"none", {}, nullptr, -1},
        {"twenty", twenty, nullptr, -1},
        {"twentyOne", twentyOne, messages::tooManyTerms, 20},
        {"powerWithoutB",
         {power, termFrom(Shape::power, {"1", "", "2", "", "", ""})},
         messages::coefficientRequired,
         1},
        {"expWithoutA", {termFrom(Shape::exp, {"", "1", "1", "1", "", ""})}, messages::coefficientRequired, 0},
        {"constantWithoutK", {termFrom(Shape::constant, {"1", "", "", "", "", ""})}, messages::nothingEntered, 0},
        {"baseTooLarge", {termFrom(Shape::base, {"1", "1", "1", "1", "", "1e39"})}, messages::numberTooLarge, 0},
        // Not 0 as typed, but 0 as a 32-bit float: F would silently change.
        {"tooSmall", {termFrom(Shape::power, {"", "1e-50", "1", "", "", ""})}, messages::numberTooSmall, 0},
        {"tooSmallPastTheDouble", {termFrom(Shape::constant, {"", "", "", "", "-1e-400", ""})}, messages::numberTooSmall, 0},
        {"tooSmallBase", {termFrom(Shape::base, {"1", "1", "1", "1", "", "1e-46"})}, messages::numberTooSmall, 0},
        {"largeBeforeSmall", {termFrom(Shape::sin, {"1e-50", "1e39", "1", "", "", ""})}, messages::numberTooLarge, 0},
        {"subnormalKept", {termFrom(Shape::power, {"", "1e-40", "-1.4e-45", "", "", ""})}, nullptr, -1},
        {"zerosKept", {termFrom(Shape::exp, {"-0.0", "0e-99", "00", ".0", "", ""})}, nullptr, -1},
        {"unusedTooSmall", {termFrom(Shape::constant, {"1e-50", "1e-50", "", "1e-50", "1", ""})}, nullptr, -1},
        {"unusedTooLarge", {termFrom(Shape::power, {"1e39", "1", "1", "1e39", "1e39", "1e39"})}, nullptr, -1},
        {"firstRefusalWins",
         {termFrom(Shape::sin, {"1", "1e39", "1", "", "", ""}), termFrom(Shape::log, {"", "1", "1", "", "", ""})},
         messages::numberTooLarge,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const core::FormulaFrom made = core::formulaFrom(c.terms);
        EXPECT_STREQ(made.refusal, c.refusal);
        EXPECT_EQ(made.refusedTerm, c.refusedTerm);
        EXPECT_EQ(static_cast<bool>(made), c.refusal == nullptr);
        if (!made) continue;
        ASSERT_EQ(made.formula.count, static_cast<int>(c.terms.size()));
        for (std::size_t i = 0; i < c.terms.size(); ++i)
            EXPECT_EQ(made.formula.shape[i + 1], static_cast<std::int16_t>(c.terms[i].shape));
    }
}
