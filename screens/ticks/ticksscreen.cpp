// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticksscreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
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

// Where the form was designed to open, from the top-left of the screen.
constexpr int designedLeft = 2136;
constexpr int designedTop = 2016;

// An option button is designed lower than this style's mark and caption:
// it grows about its designed middle so that neither is cut off.
QRadioButton* option(const QString& caption, QWidget* frame, const char* name, QRect geometry) {
    auto* button = new QRadioButton(caption, frame);
    const int needed =
        std::max(button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, button),
                 button->fontMetrics().height());
    if (geometry.height() < needed) {
        const int grow = needed - geometry.height();
        geometry.adjust(0, -grow / 2, 0, grow - grow / 2);
    }
    return place(button, name, geometry);
}

// plotGraph divides by the steps and spaces the grid with them.
bool usableStep(double step) { return step > 0 && std::isfinite(step); }

}  // namespace

TicksScreen::TicksScreen(Kalvex& kalvex, TicksHost& host) : QWidget(nullptr), kalvex(kalvex), host(host) {
    setObjectName("目盛設定画面");
    setWindowTitle(tr("目盛設定画面"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(4920), twipsToPixels(2760));
    move(twipsToPixels(designedLeft), twipsToPixels(designedTop));
    createControls();
    fitFixedWindow(*this);
    load();
}

void TicksScreen::createControls() {
    Frame3 = place(new DesignFrame(tr("目盛の条件設定"), this), "Frame3", twipsRect(120, 120, 4692, 2052));

    Frame5 =
        place(new DesignFrame(tr("目盛間隔　（ｍ）"), Frame3), "Frame5", twipsRect(2880, 240, 1692, 1692));
    Frame7 = place(new DesignFrame(tr("Y目盛"), Frame5), "Frame7", twipsRect(120, 960, 1452, 612));
    Y間隔 = place(new QLineEdit(Frame7), "Y間隔", twipsRect(360, 240, 612, 264));
    Y間隔->setAccessibleName(Frame7->title());
    Label2 = place(new QLabel(tr("ｍ"), Frame7), "Label2", twipsRect(1080, 240, 252, 252));
    Label2->setFont(designFont(msPGothic, 7.8));
    Frame6 = place(new DesignFrame(tr("X目盛"), Frame5), "Frame6", twipsRect(120, 240, 1452, 612));
    x間隔 = place(new QLineEdit(Frame6), "x間隔", twipsRect(360, 240, 612, 264));
    x間隔->setAccessibleName(Frame6->title());
    Label1 = place(new QLabel(tr("ｍ"), Frame6), "Label1", twipsRect(1080, 240, 252, 252));
    Label1->setFont(designFont(msPGothic, 7.8));

    Frame4 = place(new DesignFrame(tr("表示選択"), Frame3), "Frame4", twipsRect(120, 240, 2652, 1692));
    // Each pair of option buttons is one group: its own frame keeps them exclusive.
    Frame1 = place(new DesignFrame(QString(), Frame4), "Frame1", twipsRect(120, 960, 2412, 612));
    Y表示[1] = option(tr("非表示"), Frame1, "Y表示(1)", twipsRect(1440, 240, 852, 180));
    Y表示[0] = option(tr("表示"), Frame1, "Y表示(0)", twipsRect(720, 240, 732, 180));
    Label5 = place(new QLabel(tr("Ｙ目盛"), Frame1), "Label5", twipsRect(120, 240, 492, 252));
    Frame2 = place(new DesignFrame(QString(), Frame4), "Frame2", twipsRect(120, 240, 2412, 612));
    x表示[1] = option(tr("非表示"), Frame2, "x表示(1)", twipsRect(1440, 240, 852, 180));
    x表示[0] = option(tr("表示"), Frame2, "x表示(0)", twipsRect(720, 240, 732, 180));
    Label4 = place(new QLabel(tr("X目盛"), Frame2), "Label4", twipsRect(120, 240, 492, 252));

    設定ボタン = place(new QPushButton(tr("設定終了"), this), "設定ボタン", twipsRect(3855, 2280, 972, 372));

    // A selection made by mouse, keyboard or the load counts as a click.
    for (int index = 0; index < 2; ++index) {
        connect(x表示[index], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) x表示Click(index);
        });
        connect(Y表示[index], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) Y表示Click(index);
        });
    }
    connect(設定ボタン, &QPushButton::clicked, this, &TicksScreen::設定ボタンClick);
}

void TicksScreen::load() {
    const TickSteps steps = kalvex.tickSteps();
    x間隔->setText(QString::fromStdString(signedNumberText(steps.x)));
    Y間隔->setText(QString::fromStdString(signedNumberText(steps.y)));
    x表示[0]->setChecked(true);
    Y表示[0]->setChecked(true);
}

void TicksScreen::x表示Click(int index) {
    if (index == 0 || index == 1) kalvex.setGridX(index == 0);
}

void TicksScreen::Y表示Click(int index) {
    if (index == 0 || index == 1) kalvex.setGridY(index == 0);
}

void TicksScreen::設定ボタンClick() {
    const double stepX = readNumber(x間隔->text().toStdString());
    const double stepY = readNumber(Y間隔->text().toStdString());
    // A step the grid cannot be spaced by is refused before anything
    // changes: the graph on screen keeps matching the steps in force.
    if (!usableStep(stepX) || !usableStep(stepY)) {
        kalvex.showMessage(messages::tickStepPositive);
        return;
    }
    kalvex.setTickSteps({stepX, stepY});

    host.showTickLabels(kalvex.gridXOn(), kalvex.gridYOn());
    if (kalvex.plotGraph() == PlotEnd::completed) host.showGraph();
}
