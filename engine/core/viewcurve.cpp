// SPDX-License-Identifier: GPL-3.0-or-later
#include "core.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "messages.h"
#include "numbertext.h"

namespace core {

bool sampleAcross(const Formula& f, const Edges& e, int pixelWidth, TermValues& values, Plot& p) {
    if (p.trace.failed) {
        p.messages.push_back(messages::notComputableReached);
        return false;
    }
    const int steps = std::clamp(pixelWidth, 1, maxSamples - 1);
    const double span = e.right - e.left;
    p.sampleX.reserve(steps + 1);
    p.sampleY.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        // From the left edge each time, so rounding does not gather, and the
        // last sample on the right edge itself.
        const double x = i == steps ? e.right : e.left + span * i / steps;
        if (!p.sampleX.empty() && !(x != p.sampleX.back())) return false;
        const Point point = evaluate(f, x, values);
        ++p.trace.evaluations;
        p.sweepX = x;
        p.sampleX.push_back(x);
        if (point.failed()) {
            p.sampleY.push_back(std::numeric_limits<double>::quiet_NaN());
            continue;
        }
        p.trace.evalX = x;
        p.trace.evalSum = point.sum;
        p.sampleY.push_back(point.sum);
    }
    return true;
}

namespace {

// The part of the segment a..b within lo <= y <= hi, by where it crosses
// them; false when none of it is.
bool cutToBand(double& ax, double& ay, double& bx, double& by, double lo, double hi) {
    if ((ay < lo && by < lo) || (ay > hi && by > hi)) return false;
    const double x0 = ax, y0 = ay, x1 = bx, y1 = by;
    const auto at = [&](double y) { return x0 + (x1 - x0) * ((y - y0) / (y1 - y0)); };
    if (y0 < lo || y0 > hi) {
        ay = y0 < lo ? lo : hi;
        ax = at(ay);
    }
    if (y1 < lo || y1 > hi) {
        by = y1 < lo ? lo : hi;
        bx = at(by);
    }
    return true;
}

}  // namespace

void drawAcross(const Edges& e, Plot& p) {
    const double height = std::abs(e.top - e.bottom);
    const double lo = std::min(e.top, e.bottom) - height, hi = std::max(e.top, e.bottom) + height;
    const std::size_t n = p.sampleX.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        double ax = p.sampleX[i], ay = p.sampleY[i], bx = p.sampleX[i + 1], by = p.sampleY[i + 1];
        if (std::isnan(ay) || std::isnan(by) || !cutToBand(ax, ay, bx, by, lo, hi)) continue;
        p.ops.push_back({DrawOp::Line, toSingle(ax), toSingle(ay), toSingle(bx), toSingle(by), std::nullopt});
    }
}

}  // namespace core
