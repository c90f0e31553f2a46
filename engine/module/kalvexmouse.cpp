// SPDX-License-Identifier: GPL-3.0-or-later
// The module's part of the mouse on the graph: a press redraws and starts
// a rubber band, moves drag it, and the direction of the release from the
// press chooses zoom, home, coordinate readout or manual root. The screen
// places its labels; the drawing and the numbers are here.
#include "kalvex.h"
#include "numbertext.h"

bool Kalvex::lineCase(double x, double y) const { return x < mouse.pressX && y > mouse.pressY; }

void Kalvex::drawBand(bool asLine, double x, double y, Ink ink) {
    const float px = toSingle(mouse.pressX), py = toSingle(mouse.pressY);
    if (asLine) {
        canvas().line(px, py, toSingle(x), toSingle(y), ink);
    } else {
        canvas().rectangle(px, py, toSingle(x), toSingle(y), ink);
    }
}

void Kalvex::pressGraph(float x, float y) {
    canvas().filledRectangle(toSingle(mouse.pressX), toSingle(mouse.pressY), toSingle(mouse.releaseX), toSingle(mouse.releaseY),
                             colours::white);
    plotGraph();
    mouse.dragState = -1;
    mouse.pressX = x;
    mouse.pressY = y;
    canvas().point(x, y, std::nullopt);
    mouse.lastMouseX = x;
    mouse.lastMouseY = y;
}

void Kalvex::dragGraph(float x, float y) {
    if (mouse.dragState != -1) return;
    // The erase takes the new position's shape: crossing between the line
    // and the rectangle cases leaves parts of the old band behind.
    const bool asLine = lineCase(x, y);
    drawBand(asLine, mouse.lastMouseX, mouse.lastMouseY, colours::white);
    drawBand(asLine, x, y, std::nullopt);
    mouse.lastMouseX = x;
    mouse.lastMouseY = y;
}

Drag Kalvex::releaseGraph(float x, float y) {
    if (mouse.dragState == -1) {
        mouse.releaseX = x;
        mouse.releaseY = y;
        drawBand(lineCase(x, y), x, y, std::nullopt);
    }
    mouse.dragState = 0;
    // Without a drag (the second release of a double click) the stored
    // points are the last drag's, and its action is repeated.
    Drag drag{Drag::none, mouse.pressX, mouse.pressY, mouse.releaseX, mouse.releaseY};
    if (mouse.pressX < mouse.releaseX && mouse.pressY > mouse.releaseY) {
        drag.kind = Drag::zoom;
    } else if (mouse.pressX < mouse.releaseX && mouse.pressY < mouse.releaseY) {
        drag.kind = Drag::home;
    } else if (mouse.pressX > mouse.releaseX && mouse.pressY < mouse.releaseY) {
        drag.kind = Drag::readOut;
    } else if (mouse.pressX > mouse.releaseX && mouse.pressY > mouse.releaseY) {
        drag.kind = Drag::root;
    }
    return drag;
}

PlotEnd Kalvex::zoom() {
    // The designed zoom keeps the tick steps in force.
    keep(view(), Gesture::none);
    frame.viewXMin = mouse.pressX;
    frame.viewXMax = mouse.releaseX;
    frame.viewYMin = mouse.releaseY;
    frame.viewYMax = mouse.pressY;
    frame.viewFramed = false;
    return plotGraph();
}

PlotEnd Kalvex::home() {
    const View left = view();
    frame.viewXMin = frame.homeXMin;
    frame.viewXMax = frame.homeXMax;
    frame.viewYMin = frame.homeYMin;
    frame.viewYMax = frame.homeYMax;
    const PlotEnd plotted = scanRange();
    if (view() != left) keep(left, Gesture::none);
    return plotted;
}

PlotEnd Kalvex::readOut() {
    const PlotEnd plotted = plotGraph();
    // A leader from the point read out to its label.
    canvas().line(toSingle(mouse.pressX), toSingle(mouse.pressY), toSingle(mouse.releaseX), toSingle(mouse.releaseY), std::nullopt);
    return plotted;
}

std::optional<double> Kalvex::manualRoot() {
    plotGraph();
    evaluation.evalX = mouse.releaseX;
    evaluateF();
    const double f1 = evaluation.evalSum;
    evaluation.evalX = mouse.pressX;
    evaluateF();
    const double f2 = evaluation.evalSum;
    if (Sign(f1) == Sign(f2)) return std::nullopt;
    // The first estimate is where the dragged line crosses the x axis; the
    // values of F fix the direction of the bracket.
    refinement.bracketX1 = mouse.releaseX;
    refinement.bracketF1 = mouse.releaseY;
    refinement.bracketX2 = mouse.pressX;
    refinement.bracketF2 = mouse.pressY;
    refinement.refF1 = f1;
    refinement.refF2 = f2;
    refineRoot();
    if (evaluation.evalFailed == 1) return std::nullopt;
    return refinement.rootEstimate;
}
