// SPDX-License-Identifier: GPL-3.0-or-later
// The gestures added beside the designed mouse actions on 図: the wheel and
// + and - zoom about a point, the middle button and the arrow keys pan, and
// the history of views is walked back and forward. They work in doubles.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "analysisscreen.h"
#include "kalvex.h"
#include "picturebox.h"

namespace {

// Wheel notches closer together than this make one step of the history.
constexpr qint64 wheelStepMs = 500;

}  // namespace

void AnalysisScreen::createViewMenu() {
    QMenu* menu = menuBar()->addMenu(tr("表示(&W)"));
    menu->setObjectName("表示");
    previousViewAction = menu->addAction(tr("前の表示(&B)"));
    previousViewAction->setObjectName("前の表示");
    previousViewAction->setShortcut(QKeySequence::Back);
    connect(previousViewAction, &QAction::triggered, this, [this] { walkHistory(true); });
    nextViewAction = menu->addAction(tr("次の表示(&F)"));
    nextViewAction->setObjectName("次の表示");
    nextViewAction->setShortcut(QKeySequence::Forward);
    connect(nextViewAction, &QAction::triggered, this, [this] { walkHistory(false); });
    menu->addSeparator();
    tickLabelsAction = menu->addAction(tr("目盛の数値(&T)"));
    tickLabelsAction->setObjectName("目盛の数値");
    tickLabelsAction->setCheckable(true);
    connect(tickLabelsAction, &QAction::toggled, this, [this] { showTickLabelsIfAsked(); });
    // Greyed while the menu is open; the keys stay live when it is closed.
    connect(menu, &QMenu::aboutToShow, this, [this] {
        previousViewAction->setEnabled(kalvex.canGoBack());
        nextViewAction->setEnabled(kalvex.canGoForward());
    });
    connect(menu, &QMenu::aboutToHide, this, [this] {
        previousViewAction->setEnabled(true);
        nextViewAction->setEnabled(true);
    });
}

void AnalysisScreen::connectGestures() {
    connect(図, &PictureBox::zoomAsked, this, &AnalysisScreen::zoomAbout);
    connect(図, &PictureBox::panAsked, this, &AnalysisScreen::panBy);
    connect(図, &PictureBox::backAsked, this, [this] { walkHistory(true); });
    connect(図, &PictureBox::forwardAsked, this, [this] { walkHistory(false); });
    // A resize re-plots once the events of the resize are handled, so a
    // drag of the window's edge re-plots once a frame, not once an event.
    resizeReplot = new QTimer(this);
    resizeReplot->setSingleShot(true);
    resizeReplot->setInterval(0);
    connect(resizeReplot, &QTimer::timeout, this, &AnalysisScreen::replotForSize);
    connect(図, &PictureBox::resized, resizeReplot, qOverload<>(&QTimer::start));
}

template <class Replot>
void AnalysisScreen::keepingMarks(Replot replot) {
    const auto after = 図->drawnAfterPicture();
    const auto marks = 図->overlaySource();
    const int before = 図->pictureCount();
    replot();
    if (図->pictureCount() != before) {
        図->drawAgain(after);
        if (marks) 図->setOverlaySource(marks);
    }
    図->placeChildren();
}

void AnalysisScreen::zoomAbout(double x, double y, double factor) {
    if (!mouseActs()) return;
    const bool sameStep = lastWheel.isValid() && lastWheel.elapsed() < wheelStepMs;
    keepingMarks([&] { kalvex.zoomAbout(x, y, factor, sameStep); });
    lastWheel.start();
}

void AnalysisScreen::panBy(double dx, double dy, bool sameDrag) {
    if (!mouseActs()) return;
    lastWheel.invalidate();
    keepingMarks([&] { kalvex.panBy(dx, dy, sameDrag); });
}

void AnalysisScreen::walkHistory(bool backwards) {
    if (!mouseActs()) return;
    lastWheel.invalidate();
    keepingMarks([&] { backwards ? kalvex.back() : kalvex.forward(); });
}

// A picture whose re-plot stopped with a message is not plotted again for
// each step of a resize: the user has been told once, and until a new
// picture is drawn it is drawn again from what it holds.
void AnalysisScreen::replotForSize() {
    if (!mouseActs() || 図->strokes().empty() || 図->size() == 図->pictureSize()) return;
    if (図->pictureCount() == stoppedReplot) return;
    PlotEnd end = PlotEnd::refused;
    keepingMarks([&] { end = kalvex.replotAtSize(); });
    stoppedReplot = end == PlotEnd::stopped ? 図->pictureCount() : -1;
}

void AnalysisScreen::showTickLabelsIfAsked() {
    if (!tickLabelsAction->isChecked()) {
        図->setTickLabels(nullptr);
        return;
    }
    図->setTickLabels([this] {
        const TickSteps steps = kalvex.tickSteps();
        return QPointF(steps.x, steps.y);
    });
}
