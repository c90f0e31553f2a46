// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculationscreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "designframe.h"
#include "kalvex.h"
#include "look.h"
#include "messages.h"
#include "numbertext.h"
#include "picturebox.h"
#include "placing.h"
#include "screenfit.h"
#include "twips.h"

namespace {

// A label that sizes itself to its text.
void setCaption(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    label->adjustSize();
}

}  // namespace

// No load: the boxes of a freshly opened screen are simply empty.
CalculationScreen::CalculationScreen(Kalvex& kalvex, CalculationHost& host)
    : QWidget(nullptr), kalvex(kalvex), host(host) {
    setObjectName("計算画面");
    setWindowTitle(tr("計算画面"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(3648), twipsToPixels(2184));
    createControls();
    fitFixedWindow(*this);
}

void CalculationScreen::createControls() {
    推定枠 = place(new DesignFrame(QString(), this), "推定枠", twipsRect(0, 0, 3540, 2070));
    戻る = place(new QPushButton(tr("戻る"), 推定枠), "戻る", twipsRect(2700, 360, 672, 495));
    Frame3 = place(new DesignFrame(tr("Xの数値"), 推定枠), "Frame3", twipsRect(195, 180, 1320, 720));
    x値 = place(new QLineEdit(Frame3), "x値", twipsRect(435, 225, 690, 375));
    x値->setFont(designFont(msPGothic, 12));
    x値->setAccessibleName(Frame3->title());
    計算 = place(new QPushButton(tr("計　算"), 推定枠), "計算", twipsRect(1560, 360, 672, 495));
    Frame5 = place(new DesignFrame(tr("関数の解（上記変数Ｘに対する解の値）"), 推定枠), "Frame5",
                   twipsRect(96, 1032, 3300, 888));
    解 = place(new QLabel(Frame5), "解", twipsRect(150, 360, 75, 225));
    解->setFont(designFont(msPGothic, 11.4));

    connect(計算, &QPushButton::clicked, this, &CalculationScreen::計算Click);
    connect(戻る, &QPushButton::clicked, this, &CalculationScreen::戻るClick);
}

void CalculationScreen::計算Click() {
    host.hidePointLabels();
    const double x = readNumber(x値->text().toStdString());
    const PointValue point = kalvex.calculate(x);
    if (point.end != PointEnd::value) return;
    setCaption(解, generalNumberText(point.value));

    // Without a graph there is no picture to mark the point on, and an x
    // beyond the doubles ("1e999") has no place on any picture.
    if (kalvex.hasGraph() && std::isfinite(x)) markPoint();
}

void CalculationScreen::markPoint() {
    // A picture that could not be drawn at all has had its message; the
    // point goes on no other.
    const PlotEnd plotted = kalvex.plotGraph();
    if (plotted == PlotEnd::refused) return;
    if (plotted == PlotEnd::completed) host.showGraph();
    const double calcX = kalvex.calculatedX(), calcY = kalvex.calculatedY();
    const float x = toSingle(calcX);
    const float y = toSingle(calcY);
    Canvas& canvas = kalvex.canvas();
    canvas.line(x, 0, x, y, std::nullopt);
    canvas.line(x, y, 0, y, std::nullopt);
    // Asked again: the redraw may have had to create the analysis screen.
    host.markPoint(x, y, QString::fromStdString(generalNumberText(calcX)),
                   QString::fromStdString("Y= " + generalNumberText(calcY)));

    // The redraw brought the analysis screen forward; this one goes back on top.
    show();
    raise();
    activateWindow();
}

void CalculationScreen::戻るClick() { close(); }
