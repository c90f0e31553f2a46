// F at one x as the estimate panel and the calculation screen compute it:
// their own loop over the term functions, leaving evalX alone, where a
// failing term counts 0 after its message and the sum goes on.
#pragma once

class Kalvex;

enum class PointRule {
    estimatePanel,      // refuses a logarithm term at x <= 0 before evaluating it
    calculationScreen,  // hands every x to the term functions
};

enum class PointEnd {
    value,      // evalSum holds F(x)
    xRefused,   // a logarithm term at x <= 0 stopped the loop (estimate panel)
    notFinite,  // the sum is not a finite number
};

// Writes termValue and evalSum. Either refusal has shown its message and
// set evalFailed to 1.
PointEnd pointValue(Kalvex& k, double x, PointRule rule);
