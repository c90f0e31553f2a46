// The module's part of the mouse on the graph: a press redraws and starts
// a rubber band, moves drag it, and the direction of the release from the
// press chooses zoom, home, coordinate readout or manual root. The screen
// places its labels; the drawing and the numbers are here.
#include "kalvex.h"
#include "numbertext.h"

bool Kalvex::lineCase(double x, double y) const { return x < pressX && y > pressY; }

void Kalvex::drawBand(bool asLine, double x, double y, Ink ink) {
    const float px = toSingle(pressX), py = toSingle(pressY);
    if (asLine) {
        canvas().line(px, py, toSingle(x), toSingle(y), ink);
    } else {
        canvas().rectangle(px, py, toSingle(x), toSingle(y), ink);
    }
}

void Kalvex::pressGraph(float x, float y) {
    canvas().filledRectangle(toSingle(pressX), toSingle(pressY), toSingle(releaseX), toSingle(releaseY),
                             colours::white);
    plotGraph();
    dragState = -1;
    pressX = x;
    pressY = y;
    canvas().point(x, y, std::nullopt);
    lastMouseX = x;
    lastMouseY = y;
}

void Kalvex::dragGraph(float x, float y) {
    if (dragState != -1) return;
    // The erase takes the new position's shape: crossing between the line
    // and the rectangle cases leaves parts of the old band behind.
    const bool asLine = lineCase(x, y);
    drawBand(asLine, lastMouseX, lastMouseY, colours::white);
    drawBand(asLine, x, y, std::nullopt);
    lastMouseX = x;
    lastMouseY = y;
}

Drag Kalvex::releaseGraph(float x, float y) {
    if (dragState == -1) {
        releaseX = x;
        releaseY = y;
        drawBand(lineCase(x, y), x, y, std::nullopt);
    }
    dragState = 0;
    // Without a drag (the second release of a double click) the stored
    // points are the last drag's, and its action is repeated.
    Drag drag{Drag::none, pressX, pressY, releaseX, releaseY};
    if (pressX < releaseX && pressY > releaseY) {
        drag.kind = Drag::zoom;
    } else if (pressX < releaseX && pressY < releaseY) {
        drag.kind = Drag::home;
    } else if (pressX > releaseX && pressY < releaseY) {
        drag.kind = Drag::readOut;
    } else if (pressX > releaseX && pressY > releaseY) {
        drag.kind = Drag::root;
    }
    return drag;
}

PlotEnd Kalvex::zoom() {
    // The designed zoom keeps the tick steps in force.
    keep(view(), Gesture::none);
    viewXMin = pressX;
    viewXMax = releaseX;
    viewYMin = releaseY;
    viewYMax = pressY;
    viewFramed = false;
    return plotGraph();
}

PlotEnd Kalvex::home() {
    const View left = view();
    viewXMin = homeXMin;
    viewXMax = homeXMax;
    viewYMin = homeYMin;
    viewYMax = homeYMax;
    const PlotEnd plotted = scanRange();
    if (view() != left) keep(left, Gesture::none);
    return plotted;
}

PlotEnd Kalvex::readOut() {
    const PlotEnd plotted = plotGraph();
    // A leader from the point read out to its label.
    canvas().line(toSingle(pressX), toSingle(pressY), toSingle(releaseX), toSingle(releaseY), std::nullopt);
    return plotted;
}

std::optional<double> Kalvex::manualRoot() {
    plotGraph();
    evalX = releaseX;
    evaluateF();
    const double f1 = evalSum;
    evalX = pressX;
    evaluateF();
    const double f2 = evalSum;
    if (Sign(f1) == Sign(f2)) return std::nullopt;
    // The first estimate is where the dragged line crosses the x axis; the
    // values of F fix the direction of the bracket.
    bracketX1 = releaseX;
    bracketF1 = releaseY;
    bracketX2 = pressX;
    bracketF2 = pressY;
    refF1 = f1;
    refF2 = f2;
    refineRoot();
    if (evalFailed == 1) return std::nullopt;
    return rootEstimate;
}
