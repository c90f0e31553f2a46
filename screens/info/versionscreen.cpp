// SPDX-License-Identifier: GPL-3.0-or-later
#include "versionscreen.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "infolabel.h"
#include "maker.h"
#include "kalvexversion.h"
#include "programicon.h"
#include "designframe.h"
#include "look.h"
#include "screenfit.h"
#include "twips.h"

namespace {

constexpr int clientWidth = 3720;
constexpr int clientHeight = 3000;
constexpr int windowLeft = 5892;
constexpr int windowTop = 3036;

}  // namespace

// A fixed dialog frame with a close box and nothing to minimise or maximise.
VersionScreen::VersionScreen()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("バージョン表示画面");
    setWindowTitle(tr("バージョン情報"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    move(twipsToPixels(windowLeft), twipsToPixels(windowTop));
    createControls();
    fitFixedWindow(*this);
}

void VersionScreen::createControls() {
    Frame1 = new DesignFrame(QString(), this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(twipsRect(120, 60, 3552, 2820));

    // The box was designed just large enough for the icon inside its sunken
    // border; where a twip is smaller than at design time the icon shrinks
    // with the box instead of being cut off.
    Picture1 = new QLabel(Frame1);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(twipsRect(105, 240, 624, 624));
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setScaledContents(true);
    Picture1->setPixmap(QPixmap(programIconPath));

    Command1 = new QPushButton(tr("O　K"), Frame1);
    Command1->setObjectName("Command1");
    Command1->setGeometry(twipsRect(2475, 2295, 876, 456));
    Command1->setFont(designFont(msMincho, 12));

    Label6 = infoLabel(Frame1, "Label6", QString("E-mail       ") + maker::mailAddress,
                       twipsRect(180, 1920, 3150, 285));
    Label5 =
        infoLabel(Frame1, "Label5", QString("URL ") + maker::webAddress, twipsRect(195, 1680, 3255, 240));
    Label4 = infoLabel(Frame1, "Label4", "2003.8.17-2003.8.25", twipsRect(195, 1365, 3015, 255));
    Label1 = infoLabel(Frame1, "Label1", "ZEMO", twipsRect(990, 510, 810, 285));
    Label1->setFont(designFont(msPGothic, 12));
    // The program's one version, the same as its package and version records.
    Label2 = infoLabel(Frame1, "Label2", "Version " KALVEX_VERSION, twipsRect(1635, 795, 1830, 255));
    Label2->setFont(designFont(msMincho, 11.4));
    Label3 = infoLabel(Frame1, "Label3", tr(maker::name), twipsRect(1635, 1050, 1650, 315));
    Label3->setFont(designFont(msPGothic, 12));

    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}
