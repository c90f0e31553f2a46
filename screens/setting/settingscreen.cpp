// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingscreen.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

#include "designframe.h"
#include "kalvex.h"
#include "look.h"
#include "numbertext.h"
#include "placing.h"

namespace {

constexpr int clientWidth = 11592;
constexpr int clientHeight = 5988;
constexpr int windowLeft = 576;
constexpr int windowTop = 588;

// The formula row's frames move between these Left positions.
constexpr int rowStart = 105;
constexpr int xGroupLeft = 2730;
constexpr int constantLeft = 7716;

// The options are placed on load; their size is the design's.
constexpr int optionLeft = 240;
constexpr int optionTop = 240;
constexpr int optionPitch = 400;
constexpr int optionWidth = 1095;
constexpr int optionHeight = 375;

// Formula notation reads the same in every language; only the word is translated.
constexpr const char* shapeCaptions[7] = {
    "x^n", "e", "a^x", "log", "sin", "cos", QT_TRANSLATE_NOOP("SettingScreen", "定数")};

// The toolbar's buttons: key (= the designed caption, and the name) and
// picture in the image list.
struct ToolbarButton {
    const char* key;
    int image;
};
constexpr ToolbarButton toolbarButtons[] = {{QT_TRANSLATE_NOOP("SettingScreen", "解法"), 0},
                                            {QT_TRANSLATE_NOOP("SettingScreen", "推定"), 1},
                                            {QT_TRANSLATE_NOOP("SettingScreen", "終了"), 3}};

// Buttons of the toolbar show no tool tips; Qt would fall back to the caption.
class NoToolTips : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) return true;
        return QObject::eventFilter(watched, event);
    }
};

// As on the system the forms were designed for, the whole option is its
// click area, not only the circle and the caption.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// The toolbar has the designed height, which leaves no room for a frame
// and item margins around the image and the caption.
class TightToolbarStyle : public QProxyStyle {
public:
    TightToolbarStyle() : QProxyStyle(nullptr) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_ToolBarFrameWidth || metric == PM_ToolBarItemMargin) return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

void moveLeft(QWidget* w, int left) { w->move(twipsToPixels(left), w->y()); }

// A text box takes the caption of its frame as its accessible name: a
// screen reader has nothing else to say for it.
QLineEdit* textBox(QWidget* parent, const char* name, const QString& accessibleName, int left, int top,
                   int width, int height) {
    auto* t = new QLineEdit(parent);
    place(t, name, left, top, width, height);
    t->setFont(designFont(msPGothic, 12));
    t->setAccessibleName(accessibleName);
    return t;
}

QLineEdit* framedTextBox(DesignFrame* parent, const char* name, int left, int top, int width, int height) {
    return textBox(parent, name, parent->title(), left, top, width, height);
}

QListWidget* listBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* l = new QListWidget(parent);
    place(l, name, left, top, width, height);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height) {
    auto* b = new QPushButton(caption, parent);
    place(b, name, left, top, width, height);
    return b;
}

QString indexedName(const char* name, int index) {
    return QString::fromUtf8(name) + "(" + QString::number(index) + ")";
}

// A picture of the image list; a missing one leaves its button with the caption alone.
QIcon loadImage(int number) {
    QPixmap pixmap;
    if (!pixmap.load(QString(":/toolbar/image%1.png").arg(number))) return QIcon();
    return QIcon(pixmap);
}

}  // namespace


SettingScreen::SettingScreen(Kalvex& kalvex, SettingHost& host)
    : QMainWindow(nullptr), kalvex(kalvex), host(host) {
    setObjectName("方程式");
    showFile({}, false);
    // Closing the window only hides it (no WA_DeleteOnClose): the terms and
    // their list stay for the return from the analysis screen.
    auto* client = new QWidget(this);
    client->setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(twipsToPixels(windowLeft), twipsToPixels(windowTop));

    createToolbar(client);
    siki = placeLabel(client, "siki", "F(x)=", 90, 915, 570, 300, 12);
    siki->adjustSize();
    createFormulaRow(client);
    createTermControls(client);
    createEstimatePanel(client);
    createMenus();
    load();
}

void SettingScreen::createToolbar(QWidget* client) {
    for (int i = 0; i < 9; ++i) ImageList1[i] = loadImage(i + 1);
    Toolbar1 = new QToolBar(client);
    place(Toolbar1, "Toolbar1", 0, 0, clientWidth, 756);
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto* tight = new TightToolbarStyle;
    tight->setParent(Toolbar1);
    Toolbar1->setStyle(tight);
    Toolbar1->setFont(designFont(msPGothic, 9));
    auto* noToolTips = new NoToolTips(Toolbar1);
    for (const ToolbarButton& tb : toolbarButtons) {
        const QString key = QString::fromUtf8(tb.key);
        QAction* action = Toolbar1->addAction(ImageList1[tb.image], tr(tb.key));
        action->setObjectName(key);
        action->setData(key);
        QWidget* buttonWidget = Toolbar1->widgetForAction(action);
        buttonWidget->setObjectName(key);
        buttonWidget->installEventFilter(noToolTips);
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* action) { toolbarButton(action->data().toString()); });
}

void SettingScreen::createFormulaRow(QWidget* client) {
    Frame1 = placeFrame(client, "Frame1", "", 60, 1260, 1428, 4575);
    for (int i = 0; i < 7; ++i) {
        f[i] = new OptionButton(tr(shapeCaptions[i]), Frame1);
        f[i]->setObjectName(indexedName("f", i));
        f[i]->resize(twipsToPixels(optionWidth), twipsToPixels(optionHeight));
        f[i]->setFont(designFont(msPGothic, 12));
        // The shape already chosen is no new choice: what is typed stays.
        connect(f[i], &QRadioButton::clicked, this, [this, i] {
            if (kalvex.chosenShape() != i + 1) chooseShape(i);
        });
    }

    Frame6 = placeFrame(client, "Frame6", "", 1620, 1260, 9672, 1572);
    枠[0] = placeFrame(Frame6, "枠(0)", tr("各項の係数"), 105, 255, 1320, 1170);
    頭 = framedTextBox(枠[0], "頭", 165, 585, 1035, 360);
    関数 = placeLabel(Frame6, "関数", "", 1530, 825, 870, 615, 18);
    掛けるラベル = placeLabel(Frame6, "掛けるラベル", "・", 1530, 825, 150, 270, 18);
    // The base m has no frame of its own; it is named for what it holds.
    tein = textBox(Frame6, "tein", tr("底"), 1770, 840, 510, 360);
    ベキラベル = placeLabel(Frame6, "ベキラベル", "＾", 2265, 735, 180, 180, 18);
    // Both full-width glyphs are wider than their boxes; the dot and the
    // caret sit in the glyph's middle, so centred they stay in view.
    掛けるラベル->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ベキラベル->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    括弧[0] = placeLabel(Frame6, "括弧(0)", "(", 2430, 855, 270, 555, 18);

    枠[1] = placeFrame(Frame6, "枠(1)", tr("Ｘの係数及び次数"), 2715, 255, 4215, 1170);
    Frame4[0] = placeFrame(枠[1], "Frame4(0)", tr("係数"), 165, 375, 1000, 660);
    入力[0] = framedTextBox(Frame4[0], "入力(0)", 120, 225, 780, 345);
    Label1 = placeLabel(枠[1], "Label1", "X", 1248, 600, 288, 468, 17.4, true);
    Frame4[1] = placeFrame(枠[1], "Frame4(1)", tr("次数"), 1530, 120, 810, 660);
    入力[1] = framedTextBox(Frame4[1], "入力(1)", 90, 210, 480, 345);
    たす = placeLabel(枠[1], "たす", "+", 2550, 630, 255, 420, 15.6);
    Frame4[2] = placeFrame(枠[1], "Frame4(2)", tr("定数"), 2805, 405, 1000, 660);
    入力[2] = framedTextBox(Frame4[2], "入力(2)", 105, 225, 780, 345);
    枠[1]->hide();

    括弧[1] = placeLabel(Frame6, "括弧(1)", ")", 7005, 855, 300, 495, 18);
    枠[2] = placeFrame(Frame6, "枠(2)", tr("定数"), 7140, 255, 1785, 1170);
    定数 = framedTextBox(枠[2], "定数", 165, 585, 1155, 360);
}

void SettingScreen::createTermControls(QWidget* client) {
    追加 = button(client, "追加", tr("追 加"), 1665, 2940, 735, 570);
    削除 = button(client, "削除", tr("削 除"), 1665, 3750, 750, 585);
    削除->setEnabled(false);
    Frame2 = placeFrame(client, "Frame2", tr("登録数"), 2520, 2850, 750, 675);
    数 = placeLabel(Frame2, "数", "", 135, 240, 525, 330, 12);
    Frame7 = placeFrame(client, "Frame7", tr("式"), 3360, 2910, 1875, 2850);
    リスト = listBox(Frame7, "リスト", 90, 240, 1665, 2388);
    形状枠 = placeFrame(client, "形状枠", tr("形式番号"), 5295, 2910, 1200, 2850);
    形状 = listBox(形状枠, "形状", 195, 240, 795, 2388);
    形状枠->hide();
    connect(追加, &QPushButton::clicked, this, &SettingScreen::addTerm);
    connect(削除, &QPushButton::clicked, this, &SettingScreen::deleteTerm);
}

void SettingScreen::createEstimatePanel(QWidget* client) {
    推定枠 = placeFrame(client, "推定枠", "", 6555, 2910, 4755, 2895);
    Frame3 = placeFrame(推定枠, "Frame3", tr("Xの数値"), 195, 180, 1320, 720);
    x値 = framedTextBox(Frame3, "x値", 435, 225, 690, 375);
    計算 = button(推定枠, "計算", tr("計　算"), 1860, 210, 855, 645);
    Frame5 = placeFrame(推定枠, "Frame5", tr("関数の解（上記変数Ｘに対する解の値）"), 105, 1032, 3300, 888);
    解 = placeLabel(Frame5, "解", "", 144, 360, 2988, 456, 12);
    Frame9 = placeFrame(推定枠, "Frame9", tr("形式番号"), 3525, 195, 1050, 2490);
    式 = listBox(Frame9, "式", 165, 300, 765, 2028);
    推定枠->hide();
    connect(計算, &QPushButton::clicked, this, &SettingScreen::estimate);
    connect(推定枠, &DesignFrame::backgroundClicked, 推定枠, &QWidget::hide);
}

// The form's load: the options are stacked, then the screen starts in the
// layout of the first shape, with the focus on its option.
void SettingScreen::load() {
    for (int i = 0; i < 7; ++i)
        f[i]->move(twipsToPixels(optionLeft), twipsToPixels(optionPitch * i + optionTop));
    f[0]->setChecked(true);
    chooseShape(0);
    f[0]->setFocus();
}

void SettingScreen::chooseShape(int index) {
    kalvex.selectShape(index + 1);

    // What every shape starts from; the text of tein survives.
    for (QLineEdit* box : {入力[0], 入力[1], 入力[2], 頭, 定数}) box->clear();
    枠[0]->show();
    枠[1]->show();
    枠[2]->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Frame4[2], 括弧[0], 括弧[1], たす, 関数}) w->show();
    moveLeft(枠[1], xGroupLeft);
    moveLeft(枠[2], constantLeft);
    tein->hide();
    掛けるラベル->hide();
    ベキラベル->hide();

    Shape shape;
    if (!shapeOf(index + 1, shape)) return;
    switch (shape) {
        case Shape::power:
            moveLeft(枠[1], rowStart);
            for (QWidget* w : std::initializer_list<QWidget*>{枠[0], Frame4[2], 括弧[0], 括弧[1], たす, 関数})
                w->hide();
            break;
        case Shape::exp:
            ベキラベル->show();
            関数->setText(QString::fromUtf8("・ｅ"));
            break;
        case Shape::base:
            掛けるラベル->show();
            ベキラベル->show();
            tein->show();
            関数->hide();
            break;
        case Shape::log: 関数->setText(QString::fromUtf8("・Log")); break;
        case Shape::sin: 関数->setText(QString::fromUtf8("・Sin")); break;
        case Shape::cos: 関数->setText(QString::fromUtf8("・Cos")); break;
        case Shape::constant:
            枠[0]->hide();
            枠[1]->hide();
            moveLeft(枠[2], rowStart);
            枠[2]->show();
            関数->hide();
            括弧[0]->hide();
            括弧[1]->hide();
            break;
    }
}

void SettingScreen::estimate() {
    式->clear();
    const double x = readNumber(x値->text().toStdString());
    const PointValue point = kalvex.pointValue(x, PointRule::estimatePanel);
    if (point.end == PointEnd::xRefused) return;
    // The shapes are listed once the loop has passed every term, even when
    // the sum then has no value.
    for (int code : kalvex.shapeCodes()) 式->addItem(QString::number(code));
    if (point.end == PointEnd::value) 解->setText(QString::fromStdString(generalNumberText(point.value)));
}
