#include "terms.h"

#include <cmath>

#include "kalvex.h"
#include "messages.h"

namespace {

bool isFinite(double v) { return std::isfinite(v); }

// a·w(b·x^n + c), failing on any step that leaves the finite doubles.
template <class Outer>
double outerTerm(Kalvex& k, double x, double a, double b, double n, double c, Outer outer) {
    const double p = std::pow(x, n);
    const double u = b * p;
    const double v = u + c;
    const double w = outer(v);
    const double result = a * w;
    if (!(isFinite(p) && isFinite(u) && isFinite(v) && isFinite(w) && isFinite(result))) {
        return k.failTerm(messages::notComputableValue);
    }
    return result;
}

}  // namespace

double termPower(Kalvex& k, double x, double b, double n) {
    const double p = std::pow(x, n);
    const double u = b * p;
    if (!(isFinite(p) && isFinite(u))) return k.failTerm(messages::notComputableValue);
    return u;
}

double termExp(Kalvex& k, double x, double a, double b, double n, double c) {
    return outerTerm(k, x, a, b, n, c, [](double v) { return std::exp(v); });
}

double termPowBase(Kalvex& k, double x, double m, double a, double b, double n, double c) {
    return outerTerm(k, x, a, b, n, c, [m](double v) { return std::pow(m, v); });
}

double termLog(Kalvex& k, double x, double a, double b, double n, double c) {
    const double p = std::pow(x, n);
    const double u = b * p;
    const double v = u + c;
    // The domain check comes first: it is the behaviour's own, with its own message.
    if (v <= 0) return k.failTerm(messages::logArgument);
    const double result = a * std::log(v);
    if (!(isFinite(p) && isFinite(u) && isFinite(v) && isFinite(result))) {
        return k.failTerm(messages::notComputableValue);
    }
    return result;
}

double termSin(Kalvex& k, double x, double a, double b, double n, double c) {
    return outerTerm(k, x, a, b, n, c, [](double v) { return std::sin(v); });
}

double termCos(Kalvex& k, double x, double a, double b, double n, double c) {
    return outerTerm(k, x, a, b, n, c, [](double v) { return std::cos(v); });
}

bool termValueAt(Kalvex& k, int i, double x, double& value) {
    switch (k.shape[i]) {
    case 1: value = termPower(k, x, k.coefB[i], k.expN[i]); return true;
    case 2: value = termExp(k, x, k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]); return true;
    case 3:
        value = termPowBase(k, x, k.baseM[i], k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]);
        return true;
    case 4: value = termLog(k, x, k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]); return true;
    case 5: value = termSin(k, x, k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]); return true;
    case 6: value = termCos(k, x, k.coefA[i], k.coefB[i], k.expN[i], k.offsetC[i]); return true;
    case 7: value = k.constK[i]; return true;
    default: return false;
    }
}
