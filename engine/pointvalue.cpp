#include "pointvalue.h"

#include <algorithm>
#include <cmath>

#include "kalvex.h"
#include "messages.h"
#include "terms.h"

PointEnd pointValue(Kalvex& k, double x, PointRule rule) {
    k.evalSum = 0;
    const int count = std::clamp<int>(k.termCount, 0, Kalvex::maxTerms);
    for (int i = 1; i <= count; ++i) {
        if (rule == PointRule::estimatePanel && k.shape[i] == 4 && !(x > 0)) {
            k.showMessage(messages::xRangePositive);
            k.evalFailed = 1;
            return PointEnd::xRefused;
        }
        double value;
        if (termValueAt(k, i, x, value)) k.termValue[i] = value;
    }
    for (int i = 1; i <= count; ++i) k.evalSum = k.evalSum + k.termValue[i];
    if (!std::isfinite(k.evalSum)) {
        k.failTerm(messages::notComputableValue);
        return PointEnd::notFinite;
    }
    return PointEnd::value;
}
