// SPDX-License-Identifier: GPL-3.0-or-later
// The view of the graph and its history: the gestures added beside the
// designed zoom and home (zoom about a point, pan), and back and forward
// through every view the picture has shown since the last graph.
#include <cmath>

#include "kalvex.h"
#include "numbertext.h"

namespace {

// Tick steps for a view's spans as a fresh scan would choose them; a flat
// span of y counts as 5, as there.
TickSteps freshTicks(double xSpan, double ySpan) {
    return {core::tickStepFor(xSpan), core::tickStepFor(ySpan == 0 ? 5 : ySpan)};
}

// A view moved by a gesture: exactly these edges, with fresh ticks.
View framedView(const core::Edges& e) {
    return {e.left, e.right, e.bottom, e.top, freshTicks(e.right - e.left, e.top - e.bottom), true};
}

// The picture is drawn in 32-bit floats: edges they cannot hold, or cannot
// tell apart at a pixel's width, would draw nothing but a message.
bool drawable(const core::Edges& e, int pixelsAcross, int pixelsUp) {
    const auto apart = [](double a, double b, int pixels) {
        if (!std::isfinite(toSingle(a)) || !std::isfinite(toSingle(b))) return false;
        const double step = std::abs(b - a) / std::max(pixels, 1);
        const double ulp = std::max(std::abs(std::nextafter(toSingle(a), INFINITY) - toSingle(a)),
                                    std::abs(std::nextafter(toSingle(b), INFINITY) - toSingle(b)));
        return step >= ulp;
    };
    return apart(e.left, e.right, pixelsAcross) && apart(e.bottom, e.top, pixelsUp);
}

}  // namespace

View Kalvex::view() const { return {frame.viewXMin, frame.viewXMax, frame.viewYMin, frame.viewYMax, {frame.tickX, frame.tickY}, frame.viewFramed}; }

void Kalvex::setView(const View& v) {
    frame.viewXMin = v.xMin;
    frame.viewXMax = v.xMax;
    frame.viewYMin = v.yMin;
    frame.viewYMax = v.yMax;
    frame.tickX = v.ticks.x;
    frame.tickY = v.ticks.y;
    frame.viewFramed = v.framed;
}

core::Edges Kalvex::edges() const { return core::edgesOf(frameView()); }

void Kalvex::keep(const View& left, Gesture gesture) {
    frame.backViews.push_back(left);
    frame.forwardViews.clear();
    frame.lastGesture = gesture;
}

void Kalvex::forgetViews() {
    frame.backViews.clear();
    frame.forwardViews.clear();
    frame.lastGesture = Gesture::none;
}

PlotEnd Kalvex::moveTo(const View& left, const View& next, Gesture gesture, bool coalesce) {
    const bool continues = coalesce && gesture != Gesture::none && gesture == frame.lastGesture && !frame.backViews.empty();
    if (!continues) keep(left, gesture);
    setView(next);
    return plotGraph();
}

PlotEnd Kalvex::zoomAbout(double x, double y, double factor, bool coalesce) {
    if (!hasGraph() || !std::isfinite(x) || !std::isfinite(y) || !(factor > 0) || !std::isfinite(factor))
        return PlotEnd::refused;
    const core::Edges e = edges();
    const core::Edges to{x + (e.left - x) / factor, x + (e.right - x) / factor, y + (e.top - y) / factor,
                         y + (e.bottom - y) / factor};
    if (!drawable(to, canvas().pixelWidth(), canvas().pixelHeight())) return PlotEnd::refused;
    return moveTo(view(), framedView(to), Gesture::wheel, coalesce);
}

PlotEnd Kalvex::panBy(double dx, double dy, bool coalesce) {
    if (!hasGraph() || !std::isfinite(dx) || !std::isfinite(dy)) return PlotEnd::refused;
    const core::Edges e = edges();
    const core::Edges to{e.left + dx, e.right + dx, e.top + dy, e.bottom + dy};
    if (!drawable(to, canvas().pixelWidth(), canvas().pixelHeight())) return PlotEnd::refused;
    return moveTo(view(), framedView(to), Gesture::pan, coalesce);
}

bool Kalvex::canGoBack() const { return hasGraph() && !frame.backViews.empty(); }
bool Kalvex::canGoForward() const { return hasGraph() && !frame.forwardViews.empty(); }

bool Kalvex::back() {
    if (!canGoBack()) return false;
    frame.forwardViews.push_back(view());
    setView(frame.backViews.back());
    frame.backViews.pop_back();
    frame.lastGesture = Gesture::none;
    plotGraph();
    return true;
}

bool Kalvex::forward() {
    if (!canGoForward()) return false;
    frame.backViews.push_back(view());
    setView(frame.forwardViews.back());
    frame.forwardViews.pop_back();
    frame.lastGesture = Gesture::none;
    plotGraph();
    return true;
}

PlotEnd Kalvex::replotAtSize() {
    if (!hasGraph()) return PlotEnd::refused;
    View v = view();
    v.ticks = freshTicks(v.xMax - v.xMin, v.yMax - v.yMin);
    setView(v);
    return plotGraph();
}
