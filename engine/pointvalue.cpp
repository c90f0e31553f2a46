#include "pointvalue.h"

#include "kalvex.h"

PointEnd pointValue(Kalvex& k, double x, PointRule rule) {
    const core::Rule coreRule = rule == PointRule::estimatePanel ? core::Rule::estimatePanel : core::Rule::plain;
    const core::Point p = core::evaluate(k.formula(), x, k.termValue, coreRule);
    k.evalSum = p.sum;
    for (int i = 0; i < p.failures.count; ++i) k.failTerm(p.failures.texts[i]);
    return p.end;
}
