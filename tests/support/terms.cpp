// SPDX-License-Identifier: GPL-3.0-or-later
#include "terms.h"

#include "core.h"
#include "kalvexprobe.h"

namespace {

// The term's value, its failures shown and flagged as the module's own.
double reported(Kalvex& k, double value, const core::Failures& failures) {
    for (int i = 0; i < failures.count; ++i) KalvexProbe::fail(k, failures.texts[i]);
    return value;
}

}  // namespace

double termPower(Kalvex& k, double x, double b, double n) {
    core::Failures f;
    return reported(k, core::power(x, b, n, f), f);
}

double termExp(Kalvex& k, double x, double a, double b, double n, double c) {
    core::Failures f;
    return reported(k, core::exponential(x, a, b, n, c, f), f);
}

double termPowBase(Kalvex& k, double x, double m, double a, double b, double n, double c) {
    core::Failures f;
    return reported(k, core::powerOfBase(x, m, a, b, n, c, f), f);
}

double termLog(Kalvex& k, double x, double a, double b, double n, double c) {
    core::Failures f;
    return reported(k, core::logarithm(x, a, b, n, c, f), f);
}

double termSin(Kalvex& k, double x, double a, double b, double n, double c) {
    core::Failures f;
    return reported(k, core::sine(x, a, b, n, c, f), f);
}

double termCos(Kalvex& k, double x, double a, double b, double n, double c) {
    core::Failures f;
    return reported(k, core::cosine(x, a, b, n, c, f), f);
}

bool termValueAt(Kalvex& kalvex, int i, double x, double& value) {
    const ProbeState k = state(kalvex);
    switch (k.shape[i]) {
    case 1: value = termPower(kalvex, x, k.coefB[i], k.expN[i]); return true;
    case 2: value = termExp(kalvex, x, k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]); return true;
    case 3:
        value = termPowBase(kalvex, x, k.baseM[i], k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]);
        return true;
    case 4: value = termLog(kalvex, x, k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]); return true;
    case 5: value = termSin(kalvex, x, k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]); return true;
    case 6: value = termCos(kalvex, x, k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]); return true;
    case 7: value = k.constK[i]; return true;
    default: return false;
    }
}
