// F at one x as the estimate panel and the calculation screen compute it:
// the core's one evaluation in their variants, leaving evalX alone; a
// failing term counts 0 after its message and the sum goes on.
#pragma once

#include "core.h"

class Kalvex;

enum class PointRule {
    estimatePanel,      // refuses a logarithm term at x <= 0 before evaluating it
    calculationScreen,  // hands every x to the term functions
};
using PointEnd = core::PointEnd;

// Writes termValue and evalSum, shows the messages in order and sets
// evalFailed to 1 after any.
PointEnd pointValue(Kalvex& k, double x, PointRule rule);
