// SPDX-License-Identifier: GPL-3.0-or-later
// Equations as the random-action test makes them: each box of a term gets
// one of the texts that test types, the shape is any of the seven, and a term
// is kept only when the checks of adding one let it in. Seeded, so every run
// measures the same equations. Of its texts, the parameters take those of
// moderate size: with 1E+10 or 123456789012345678901234567890 as b, a sine
// has more roots in the range than any list could hold, and so has sin(1/x)
// beside 0 (the fuzz target takes those); the range ends may also be 7 or 10.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "core.h"
#include "term.h"

struct RandomEquation {
    core::Formula formula;
    std::string start, end, precision;
};

class RandomEquations {
public:
    explicit RandomEquations(unsigned long seed) : rng(seed) {}

    RandomEquation next() {
        RandomEquation e;
        const int wanted = 1 + pick(maxTermsPicked);
        while (e.formula.count < wanted) {
            const int code = 1 + pick(7);
            TermBoxes boxes;
            for (std::string* box : {&boxes.a, &boxes.b, &boxes.m, &boxes.c, &boxes.k}) *box = parameterText();
            boxes.n = pickFrom(code == 1 ? powerExponents : exponents);
            if (termRefusal(code, boxes, e.formula.count)) continue;
            Shape shape;
            shapeOf(code, shape);
            e.formula.append(termFrom(shape, boxes));
        }
        e.start = rangeText();
        e.end = rangeText();
        e.precision = pickFrom(precisionTexts);
        return e;
    }

private:
    static constexpr int maxTermsPicked = 6;
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }
    std::string pickFrom(const std::vector<const char*>& texts) {
        return texts[pick(static_cast<int>(texts.size()))];
    }
    std::string parameterText() { return pickFrom(parameterTexts); }
    std::string rangeText() { return pickFrom(rangeTexts); }
    const std::vector<const char*> parameterTexts{"",  " ",  "abc", "+",   "-",    ".",   "0",    "-0",
                                                  "1", "2",  "-2",  "3",   "-3",   "0.5", "-1.5", "0.1",
                                                  "0.001", "+3", "1.2.3", "2e"};
    // A negative power inside a sine has infinitely many roots beside 0:
    // only the power shape takes one.
    const std::vector<const char*> exponents{"", "0", "1", "2", "3", "0.5", "+3", "abc"};
    const std::vector<const char*> powerExponents{"", "0", "1", "2", "3", "0.5", "-1", "-2", "-3", "-1.5", "0.1"};
    const std::vector<const char*> precisionTexts{"0.1", "0.001", "1e-7", "0", "abc"};
    const std::vector<const char*> rangeTexts{"", "0", "-0", "1", "2", "-2", "3", "-3", "0.5", "-1.5", "0.1",
                                              "+3", "7", "10", "-10"};
    std::mt19937_64 rng;
};
