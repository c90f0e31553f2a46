// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse actions on the graph 図: a press redraws and starts a rubber
// band, moves drag it, and the direction of the release from the press
// chooses zoom, home, coordinate readout or manual root.
#include <QLabel>

#include "analysisscreen.h"
#include "kalvex.h"
#include "numbertext.h"
#include "picturebox.h"

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

// Until a scan has chosen tick steps there is no scale to map the mouse
// with and nothing to redraw, and without terms there is no F to draw: the
// mouse is ignored.
bool AnalysisScreen::mouseActs() const { return kalvex.hasGraph() && kalvex.termTotal() >= 1; }

void AnalysisScreen::pressOnGraph(float x, float y) {
    if (!mouseActs()) return;
    手動解->hide();
    itixy->hide();
    // The band under way is laid over the picture, and its erasing in white
    // takes it away instead of painting over the graph.
    図->setBandMode(true);
    kalvex.pressGraph(x, y);
    図->setBandMode(false);
}

void AnalysisScreen::moveOnGraph(float x, float y) {
    if (!mouseActs()) return;
    図->setBandMode(true);
    kalvex.dragGraph(x, y);
    図->setBandMode(false);
}

void AnalysisScreen::releaseOnGraph(float x, float y) {
    if (!mouseActs()) return;
    // The released band is drawn into the picture, as the drag ends it.
    図->clearBand();
    const Drag drag = kalvex.releaseGraph(x, y);
    switch (drag.kind) {
        case Drag::zoom: kalvex.zoom(); break;
        case Drag::home: kalvex.home(); break;
        case Drag::readOut: readOut(drag); break;
        case Drag::root: manualRoot(drag); break;
        case Drag::none: break;
    }
}

void AnalysisScreen::readOut(const Drag& drag) {
    図->moveChildTo(itixy, drag.releaseX, drag.releaseY);
    itixy->setText("X = " + numberText(twoDecimals(drag.pressX)) +
                   " Y = " + numberText(twoDecimals(drag.pressY)));
    itixy->show();
    kalvex.readOut();
}

void AnalysisScreen::manualRoot(const Drag& drag) {
    const std::optional<double> root = kalvex.manualRoot();
    if (!root) return;
    手動解->setText(numberText(kalvex.cutToPrecision(*root)));
    手動解->adjustSize();
    const QSizeF size = 図->userSize(手動解);
    const double w = size.width(), h = size.height();
    const float labelBottom = toSingle(drag.pressY - h);
    // From the root on the x axis to the label's lower-left corner, then along its lower edge.
    kalvex.canvas().line(toSingle(*root), 0, toSingle(drag.pressX), labelBottom, std::nullopt);
    kalvex.canvas().line(toSingle(drag.pressX), labelBottom, toSingle(drag.pressX + w), labelBottom,
                         std::nullopt);
    図->moveChildTo(手動解, drag.pressX, drag.pressY);
    手動解->show();
}
