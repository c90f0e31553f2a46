// The mouse actions on the graph 図: a press redraws and starts a rubber
// band, moves drag it, and the direction of the release from the press
// chooses zoom, home, coordinate readout or manual root.
#include <QLabel>

#include "analysisscreen.h"
#include "kalvex.h"
#include "numbertext.h"
#include "platform/picturebox.h"
#include "rootsearch.h"

namespace {

QString numberText(double v) { return QString::fromStdString(generalNumberText(v)); }

// Rounded to two decimals, halves upwards.
double twoDecimals(double v) { return Int(v * 100 + 0.5) / 100; }

}  // namespace

void AnalysisScreen::connectMouse() {
    connect(図, &PictureBox::pressed, this, &AnalysisScreen::pressOnGraph);
    connect(図, &PictureBox::moved, this, &AnalysisScreen::moveOnGraph);
    connect(図, &PictureBox::released, this, &AnalysisScreen::releaseOnGraph);
}

bool AnalysisScreen::lineCase(double x, double y) const { return x < kalvex.pressX && y > kalvex.pressY; }

void AnalysisScreen::drawBand(bool asLine, double x, double y, Ink ink) {
    const float px = toSingle(kalvex.pressX), py = toSingle(kalvex.pressY);
    if (asLine) {
        kalvex.canvas().line(px, py, toSingle(x), toSingle(y), ink);
    } else {
        kalvex.canvas().rectangle(px, py, toSingle(x), toSingle(y), ink);
    }
}

// Until a scan has chosen tick steps there is no scale to map the mouse
// with and nothing to redraw, and without terms there is no F to draw: the
// mouse is ignored.
bool AnalysisScreen::mouseActs() const { return kalvex.hasGraph() && kalvex.termCount >= 1; }

void AnalysisScreen::pressOnGraph(float x, float y) {
    if (!mouseActs()) return;
    手動解->hide();
    itixy->hide();
    kalvex.canvas().filledRectangle(toSingle(kalvex.pressX), toSingle(kalvex.pressY),
                                    toSingle(kalvex.releaseX), toSingle(kalvex.releaseY), colours::white);
    kalvex.plotGraph();
    kalvex.dragState = -1;
    kalvex.pressX = x;
    kalvex.pressY = y;
    kalvex.canvas().point(x, y, std::nullopt);
    lastMouseX = x;
    lastMouseY = y;
}

void AnalysisScreen::moveOnGraph(float x, float y) {
    if (!mouseActs() || kalvex.dragState != -1) return;
    // The erase takes the new position's shape: crossing between the line
    // and the rectangle cases leaves parts of the old band behind.
    const bool asLine = lineCase(x, y);
    drawBand(asLine, lastMouseX, lastMouseY, colours::white);
    drawBand(asLine, x, y, std::nullopt);
    lastMouseX = x;
    lastMouseY = y;
}

void AnalysisScreen::releaseOnGraph(float x, float y) {
    if (!mouseActs()) return;
    if (kalvex.dragState == -1) {
        kalvex.releaseX = x;
        kalvex.releaseY = y;
        drawBand(lineCase(x, y), x, y, std::nullopt);
    }
    kalvex.dragState = 0;
    // Without a drag (the second release of a double click) the stored
    // points are the last drag's, and its action is repeated.
    const double px = kalvex.pressX, py = kalvex.pressY, rx = kalvex.releaseX, ry = kalvex.releaseY;
    if (px < rx && py > ry) {
        zoom();
    } else if (px < rx && py < ry) {
        home();
    } else if (px > rx && py < ry) {
        readOut();
    } else if (px > rx && py > ry) {
        manualRoot();
    }
}

void AnalysisScreen::zoom() {
    kalvex.viewXMin = kalvex.pressX;
    kalvex.viewXMax = kalvex.releaseX;
    kalvex.viewYMin = kalvex.releaseY;
    kalvex.viewYMax = kalvex.pressY;
    kalvex.plotGraph();
}

void AnalysisScreen::home() {
    kalvex.viewXMin = kalvex.homeXMin;
    kalvex.viewXMax = kalvex.homeXMax;
    kalvex.viewYMin = kalvex.homeYMin;
    kalvex.viewYMax = kalvex.homeYMax;
    kalvex.scanRange();
}

void AnalysisScreen::readOut() {
    図->moveChildTo(itixy, kalvex.releaseX, kalvex.releaseY);
    itixy->setText("X = " + numberText(twoDecimals(kalvex.pressX)) +
                   " Y = " + numberText(twoDecimals(kalvex.pressY)));
    itixy->show();
    kalvex.plotGraph();
    // A leader from the point read out to its label.
    kalvex.canvas().line(toSingle(kalvex.pressX), toSingle(kalvex.pressY), toSingle(kalvex.releaseX),
                         toSingle(kalvex.releaseY), std::nullopt);
}

void AnalysisScreen::manualRoot() {
    kalvex.plotGraph();
    kalvex.evalX = kalvex.releaseX;
    kalvex.evaluateF();
    const double f1 = kalvex.evalSum;
    kalvex.evalX = kalvex.pressX;
    kalvex.evaluateF();
    const double f2 = kalvex.evalSum;
    if (Sign(f1) == Sign(f2)) return;
    // The first estimate is where the dragged line crosses the x axis; the
    // values of F fix the direction of the bracket.
    kalvex.bracketX1 = kalvex.releaseX;
    kalvex.bracketF1 = kalvex.releaseY;
    kalvex.bracketX2 = kalvex.pressX;
    kalvex.bracketF2 = kalvex.pressY;
    kalvex.refF1 = f1;
    kalvex.refF2 = f2;
    kalvex.refineRoot();
    if (kalvex.evalFailed == 1) return;

    手動解->setText(numberText(rootsearch::cut(kalvex.rootEstimate, kalvex.precision)));
    手動解->adjustSize();
    const QSizeF size = 図->userSize(手動解);
    const double w = size.width(), h = size.height();
    const float labelBottom = toSingle(kalvex.pressY - h);
    // From the root on the x axis to the label's lower-left corner, then along its lower edge.
    kalvex.canvas().line(toSingle(kalvex.rootEstimate), 0, toSingle(kalvex.pressX), labelBottom,
                         std::nullopt);
    kalvex.canvas().line(toSingle(kalvex.pressX), labelBottom, toSingle(kalvex.pressX + w), labelBottom,
                         std::nullopt);
    図->moveChildTo(手動解, kalvex.pressX, kalvex.pressY);
    手動解->show();
}
