// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpscreen.h"

#include <QLabel>
#include <QPushButton>

#include "infolabel.h"
#include "maker.h"
#include "look.h"
#include "screenfit.h"
#include "twips.h"

namespace {

constexpr int clientWidth = 5184;
constexpr int clientHeight = 2448;

}  // namespace

// Opens where the window system puts a new window.
HelpScreen::HelpScreen() : QWidget(nullptr) {
    setObjectName("ヘルプ画面");
    setWindowTitle(tr("ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    createControls();
    fitFixedWindow(*this);
}

void HelpScreen::createControls() {
    戻る = new QPushButton(tr("戻　る"), this);
    戻る->setObjectName("戻る");
    戻る->setGeometry(twipsRect(3900, 1920, 912, 432));

    Label2 = infoLabel(this, "Label2", maker::manualAddress, twipsRect(60, 1140, 4932, 432));
    Label2->setFont(designFont(msPGothic, 13.8));
    Label1 = infoLabel(this, "Label1",
                       tr("簡単な操作マニュアルは下記ホームページに記載してあります。ごらんください。"),
                       twipsRect(120, 120, 4872, 912));
    Label1->setFont(designFont(msPGothic, 12));

    connect(戻る, &QPushButton::clicked, this, &QWidget::close);
}
