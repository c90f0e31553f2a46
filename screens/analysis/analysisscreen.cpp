// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysisscreen.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <cmath>

#include "analysisrules.h"
#include "designframe.h"
#include "kalvex.h"
#include "look.h"
#include "messages.h"
#include "numbertext.h"
#include "picturebox.h"
#include "placing.h"
#include "pictureexport.h"
#include "resultlist.h"
#include "screenfit.h"
#include "twips.h"

namespace {

// Where the form was designed to open, in twips.
constexpr int formLeft = 336, formTop = 876;
constexpr int clientWidth = 14664, clientHeight = 10860;
constexpr int precisionChoices = 20;

// The result list of the automatic analysis: 解リスト under its heading,
// filled a batch at a time so that ten thousand fine hits stay quick.
class ResultListBox : public RootList {
public:
    ResultListBox(ResultList& list, QLabel& heading) : list(list), heading(heading) {}
    void clearAndShow() override {
        written = true;
        list.clear();
        list.show();
        heading.show();
    }
    void append(const std::vector<double>& values, double precision) override {
        list.append(values, precision);
    }

    bool written = false;  // the list now holds this run's entries

private:
    ResultList& list;
    QLabel& heading;
};

QString numberText(double v) { return QString::fromStdString(generalNumberText(v)); }

// Where 図 was designed, in twips; the picture takes whatever the window
// grows by, while the controls above it keep their places.
const QRect designedPicture(120, 1785, 14136, 8475);
// The least picture worth a window, in pixels.
constexpr int leastPictureWidth = 160, leastPictureHeight = 120;

// The client area: the designed size unless the window is made larger or
// the screen is smaller.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {
        const QRect picture = twipsRect(designedPicture.x(), designedPicture.y(), designedPicture.width(),
                                        designedPicture.height());
        setMinimumSize(picture.left() + leastPictureWidth, picture.top() + leastPictureHeight);
    }
    QSize sizeHint() const override { return {twipsToPixels(clientWidth), twipsToPixels(clientHeight)}; }
    QWidget* picture = nullptr;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (!picture) return;
        const QRect designed = twipsRect(designedPicture.x(), designedPicture.y(), designedPicture.width(),
                                         designedPicture.height());
        const QSize grown = size() - sizeHint();
        picture->setGeometry(designed.adjusted(0, 0, grown.width(), grown.height()));
    }
};

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

// F as long as the window is wide, with as much margin at its end as at
// its start; the whole of a longer one is the tool tip.
void showFormula(QLabel* label, const QString& formula) {
    showElided(label, formula, label->parentWidget()->width() - 2 * label->x());
}

// A label over the graph that hides what lies beneath it, in the colour of
// the graph's own background.
void opaqueOverGraph(QLabel* label, const PictureBox* box) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, box->backgroundColour());
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

}  // namespace

AnalysisScreen::AnalysisScreen(Kalvex& kalvex, AnalysisHost& host)
    : QMainWindow(nullptr), kalvex(kalvex), host(host) {
    setObjectName("解析画面");
    setWindowTitle(tr("解析画面"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new ClientArea(this);
    client->resize(client->sizeHint());
    setCentralWidget(client);
    createControls(client);
    client->picture = 図;
    createMenu();
    setFocusOrder();
    connectMouse();
    connectGestures();
    move(twipsToPixels(formLeft), twipsToPixels(formTop));
    resize(sizeHint());
    fitToScreen(*this);
    load();
}

// The controls in the order the form creates them, which is also the order
// they stack in.
void AnalysisScreen::createControls(QWidget* client) {
    const QFont labelFont = designFont(msPGothic, 11.4);
    const QFont buttonFont = designFont(msPGothic, 10.8);
    createTickFrame(client, labelFont);
    createCommands(client, buttonFont);
    createPicture(client);
    createRangeAndFormula(client, labelFont);
}

void AnalysisScreen::createTickFrame(QWidget* client, const QFont& labelFont) {
    軸幅枠 = named(new DesignFrame(tr("目盛間隔"), client), "軸幅枠");
    軸幅枠->setGeometry(twipsRect(12015, 315, 2235, 1410));
    軸幅枠->hide();
    軸幅[1] = named(new QLabel(軸幅枠), "軸幅(1)");
    軸幅[1]->setGeometry(twipsRect(600, 885, 1305, 345));
    軸幅[1]->setFont(labelFont);
    軸幅[0] = named(new QLabel(軸幅枠), "軸幅(0)");
    軸幅[0]->setGeometry(twipsRect(600, 345, 1305, 345));
    軸幅[0]->setFont(labelFont);
    Label3 = named(new QLabel(tr("Y軸"), 軸幅枠), "Label3");
    Label3->setGeometry(twipsRect(180, 930, 450, 255));
    Label2 = named(new QLabel(tr("X軸"), 軸幅枠), "Label2");
    Label2->setGeometry(twipsRect(180, 375, 450, 255));
}

void AnalysisScreen::createCommands(QWidget* client, const QFont& buttonFont) {
    グラフ = named(new QPushButton(tr("グラフ"), client), "グラフ");
    グラフ->setGeometry(twipsRect(2715, 225, 960, 825));
    connect(グラフ, &QPushButton::clicked, this, &AnalysisScreen::graphCommand);

    解リスト = named(new ResultList(client), "解リスト");
    解リスト->setGeometry(twipsRect(10170, 420, 1785, 1308));
    解リスト->hide();

    計算 = named(new QPushButton(tr("個々の計算"), client), "計算");
    計算->setGeometry(twipsRect(7800, 600, 1410, 500));
    計算->setFont(buttonFont);
    connect(計算, &QPushButton::clicked, this, &AnalysisScreen::calculationCommand);

    Frame3 = named(new DesignFrame(tr("精度"), client), "Frame3");
    Frame3->setGeometry(twipsRect(3810, 135, 2268, 945));
    精度コンボ = named(new QComboBox(Frame3), "精度コンボ");
    精度コンボ->setGeometry(twipsRect(165, 435, 1980, 288));
    精度コンボ->setEditable(true);
    精度コンボ->setInsertPolicy(QComboBox::NoInsert);  // a typed precision is not added to the list
    // The box holds what is typed: completion would turn a typed "1" into
    // "1E-05" and analyse with a precision nobody chose.
    精度コンボ->setCompleter(nullptr);
    精度コンボ->setFont(designFont(msPGothic, 9.6));
    精度コンボ->setAccessibleName(Frame3->title());

    式 = named(new QPushButton(tr("戻る"), client), "式");
    式->setGeometry(twipsRect(9285, 600, 735, 500));
    式->setFont(buttonFont);
    connect(式, &QPushButton::clicked, this, &AnalysisScreen::backToSetting);

    解析 = named(new QPushButton(tr("自動解析"), client), "解析");
    解析->setGeometry(twipsRect(6420, 600, 1305, 500));
    解析->setFont(buttonFont);
    connect(解析, &QPushButton::clicked, this, &AnalysisScreen::automaticAnalysis);
}

void AnalysisScreen::createPicture(QWidget* client) {
    図 = named(new PictureBox(client), "図");
    図->setGeometry(twipsRect(designedPicture.x(), designedPicture.y(), designedPicture.width(),
                              designedPicture.height()));
    yti = named(new QLabel(図), "yti");
    yti->setGeometry(twipsRect(1560, 6750, 60, 180));
    yti->hide();
    xti = named(new QLabel(図), "xti");
    xti->setGeometry(twipsRect(330, 6735, 60, 180));
    xti->hide();
    手動解 = named(new QLabel(図), "手動解");
    手動解->setGeometry(twipsRect(555, 660, 60, 180));
    opaqueOverGraph(手動解, 図);
    手動解->hide();
    // The root found by hand is copied as shown, like the list's entries.
    copyManualRoot = new QAction(tr("コピー"), 手動解);
    copyManualRoot->setObjectName("手動解コピー");
    手動解->addAction(copyManualRoot);
    手動解->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copyManualRoot, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(手動解->text()); });
    itixy = named(new QLabel(図), "itixy");
    itixy->setGeometry(twipsRect(2040, 720, 1776, 252));
    opaqueOverGraph(itixy, 図);
    itixy->hide();
}

void AnalysisScreen::createRangeAndFormula(QWidget* client, const QFont& labelFont) {
    Frame1 = named(new DesignFrame(tr("解析の範囲(X座標値）"), client), "Frame1");
    Frame1->setGeometry(twipsRect(120, 120, 2475, 930));
    Frame2[1] = named(new DesignFrame(tr("終了"), Frame1), "Frame2(1)");
    Frame2[1]->setGeometry(twipsRect(1290, 240, 1065, 585));
    変域[1] = named(new QLineEdit(Frame2[1]), "変域(1)");
    変域[1]->setGeometry(twipsRect(105, 225, 795, 285));
    変域[1]->setAccessibleName(Frame2[1]->title());
    Frame2[0] = named(new DesignFrame(tr("開始"), Frame1), "Frame2(0)");
    Frame2[0]->setGeometry(twipsRect(165, 240, 1065, 600));
    変域[0] = named(new QLineEdit(Frame2[0]), "変域(0)");
    変域[0]->setGeometry(twipsRect(165, 225, 795, 285));
    変域[0]->setAccessibleName(Frame2[0]->title());

    Label1 = named(new QLabel(tr("自動解析結果（X値）"), client), "Label1");
    Label1->setGeometry(twipsRect(10155, 180, 1965, 225));
    Label1->hide();

    式ラベル = named(new QLabel(client), "式ラベル");
    式ラベル->setGeometry(twipsRect(165, 1335, 135, 285));
    式ラベル->setFont(labelFont);
}

void AnalysisScreen::createMenu() {
    ticksAction = named(menuBar()->addAction(tr("目盛")), "m");
    connect(ticksAction, &QAction::triggered, this, &AnalysisScreen::tickSettings);
    returnAction = named(menuBar()->addAction(tr("戻る")), "b");
    connect(returnAction, &QAction::triggered, this, &AnalysisScreen::backToSetting);

    // Beside the designed menus: the graph taken out of the program.
    QMenu* picture = menuBar()->addMenu(tr("画像(&P)"));
    picture->setObjectName("画像");
    savePictureAction = named(picture->addAction(tr("画像として保存(&S)…")), "画像として保存");
    connect(savePictureAction, &QAction::triggered, this, &AnalysisScreen::savePictureCommand);
    copyPictureAction = named(picture->addAction(tr("画像をコピー(&C)")), "画像をコピー");
    connect(copyPictureAction, &QAction::triggered, this, [this] {
        if (!refusedWithoutGraph())
            QApplication::clipboard()->setImage(pictureImage(*図, 1, exportMarksAction->isChecked()));
    });
    // The certified analysis's marks are the user's working notes: a
    // picture carries them only when asked.
    picture->addSeparator();
    exportMarksAction = named(picture->addAction(tr("検証の印も書き出す(&M)")), "検証の印も書き出す");
    exportMarksAction->setCheckable(true);
    createCertifiedMenu();
    createViewMenu();
}

void AnalysisScreen::setFocusOrder() {
    QWidget* order[] = {変域[0], 変域[1], 図, 解析, 式, 精度コンボ, 計算, 解リスト, グラフ};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    変域[0]->setFocus();
}

void AnalysisScreen::load() {
    kalvex.setPrecision(core::initialPrecision);
    for (int k = 1; k <= precisionChoices; ++k) 精度コンボ->addItem(numberText(0.1 / std::pow(10.0, k)));
    精度コンボ->setEditText(numberText(1e-7));
    // A file opened before this screen was: its range and precision.
    if (const auto pending = host.takePendingTexts()) setAnalysisTexts(*pending);
}

AnalysisTexts AnalysisScreen::analysisTexts() const {
    return {変域[0]->text().toStdString(), 変域[1]->text().toStdString(),
            精度コンボ->currentText().toStdString()};
}

void AnalysisScreen::setAnalysisTexts(const AnalysisTexts& from) {
    if (from.start) 変域[0]->setText(QString::fromStdString(*from.start));
    if (from.end) 変域[1]->setText(QString::fromStdString(*from.end));
    if (from.precision) 精度コンボ->setEditText(QString::fromStdString(*from.precision));
}

void AnalysisScreen::formulaChanged(const QString& formula) {
    if (certifiedAsked) cancelCertified(tr("式が変わったので、保証付き解析を取りやめました。"));
    certifiedStale();
    図->clear();
    解リスト->clear();
    lastAutomatic.reset();
    解リスト->hide();
    Label1->hide();
    for (QWidget* label : {手動解, xti, yti, itixy}) label->hide();
    軸幅枠->hide();
    showFormula(式ラベル, formula);
}

bool AnalysisScreen::refusedWithoutTerms() {
    if (kalvex.termTotal() >= 1) return false;
    kalvex.showMessage(messages::enterFormula);
    return true;
}

bool AnalysisScreen::refusedWithoutGraph() {
    if (!図->strokes().empty()) return false;
    kalvex.showMessage(messages::files::noGraphYet);
    return true;
}

bool AnalysisScreen::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) activated();
    return QMainWindow::event(event);
}

void AnalysisScreen::activated() {
    showFormula(式ラベル, host.formulaCaption());
}

void AnalysisScreen::graphCommand() {
    if (refusedWithoutTerms()) return;
    const auto [ticks, plotted] = kalvex.graph(変域[0]->text().toStdString(), 変域[1]->text().toStdString(),
                                               精度コンボ->currentText().toStdString());
    if (plotted == PlotEnd::completed) show();  // a plot never raises the window
    if (!ticks) return;
    軸幅[0]->setText(numberText(ticks->x));
    軸幅[1]->setText(numberText(ticks->y));
}

void AnalysisScreen::automaticAnalysis() {
    if (refusedWithoutTerms()) return;
    ResultListBox results(*解リスト, *Label1);
    const AnalysedOn asked = analysedOnNow();
    const auto ran = kalvex.automaticAnalysis(変域[0]->text().toStdString(), 変域[1]->text().toStdString(),
                                              精度コンボ->currentText().toStdString(), results);
    if (ran.plot == PlotEnd::completed) show();
    // A refused analysis leaves the list, and what it was of, as they were.
    if (results.written) lastAutomatic = asked;
}

void AnalysisScreen::calculationCommand() {
    if (refusedWithoutTerms()) return;
    解リスト->hide();
    Label1->hide();
    host.showCalculationScreen();
}

void AnalysisScreen::showTickLabels(bool x, bool y) {
    図->clear();
    軸幅枠->setVisible(x || y);
    Label2->setVisible(x);
    軸幅[0]->setVisible(x);
    Label3->setVisible(y);
    軸幅[1]->setVisible(y);
}

void AnalysisScreen::hidePointLabels() {
    xti->hide();
    yti->hide();
}

void AnalysisScreen::markPoint(float x, float y, const QString& xCaption, const QString& yCaption) {
    手動解->hide();
    xti->setText(xCaption);
    xti->adjustSize();
    yti->setText(yCaption);
    yti->adjustSize();
    図->moveChildTo(xti, x, 0);
    図->moveChildTo(yti, 0, y);
    xti->show();
    yti->show();
}

// The file dialog, unless a test has put its own answer in its place.
PictureTarget AnalysisScreen::askPictureTarget() {
    if (pictureTargetAsker) return pictureTargetAsker();
    const QString png = tr("PNG 画像 (*.png)");
    const QString pngDouble = tr("PNG 画像・印刷用の 2 倍 (*.png)");
    const QString svg = tr("SVG 画像 (*.svg)");
    QString chosen = png;
    QString path = QFileDialog::getSaveFileName(this, tr("画像として保存"), host.proposedPicturePath("png"),
                                                QStringList{png, pngDouble, svg}.join(";;"), &chosen);
    if (path.isEmpty()) return {};
    const bool wantsSvg = chosen == svg;
    if (QFileInfo(path).suffix().isEmpty()) path += wantsSvg ? ".svg" : ".png";
    return {path, formatOf(path, chosen == pngDouble)};
}

void AnalysisScreen::savePictureCommand() {
    if (refusedWithoutGraph()) return;
    const PictureTarget target = askPictureTarget();
    if (target.path.isEmpty()) return;
    const QByteArray bytes = pictureBytes(*図, target.format, exportMarksAction->isChecked());
    if (const auto failure = host.writePicture(bytes, target.path))
        kalvex.showMessage(failure->toStdString());
}

void AnalysisScreen::backToSetting() { host.showSettingScreen(); }

void AnalysisScreen::tickSettings() {
    if (refusedWithoutTerms()) return;
    host.showTicksScreen();
}
