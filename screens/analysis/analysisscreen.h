// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis screen 解析画面: range, precision, graph, automatic analysis
// and the mouse actions on the graph.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "analysishost.h"
#include "certified.h"
#include "pictureexport.h"
#include "platform.h"

// Where the picture goes: a path (empty when the user cancelled) and a format.
struct PictureTarget {
    QString path;
    PictureFormat format = PictureFormat::png;
};

class Kalvex;
struct Drag;
class PictureBox;
class ResultList;
class CertifiedRun;
struct CertifiedAnswer;
class CertifiedWindow;
struct ComparisonRow;
class QAction;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QComboBox;
class QTimer;

class AnalysisScreen : public QMainWindow {
    Q_OBJECT

public:
    AnalysisScreen(Kalvex& kalvex, AnalysisHost& host);

    // What other screens ask of this one; they never touch its controls.
    // The picture box, for the engine's canvas.
    PictureBox& picture() { return *図; }
    // Clears the picture and shows the tick labels of the axes whose grid is on.
    void showTickLabels(bool x, bool y);
    // The calculated point's labels: hidden, or placed at (x, 0) and (0, y)
    // of the graph with these captions and shown. Marking hides the manual root.
    void hidePointLabels();
    void markPoint(float x, float y, const QString& xCaption, const QString& yCaption);
    // The range and precision texts as they stand, and those of a file put
    // into the boxes (the ones the file gives).
    AnalysisTexts analysisTexts() const;
    void setAnalysisTexts(const AnalysisTexts& from);
    // F has changed: the picture, the list and the labels of the old F go,
    // as a fresh load leaves them; the boxes keep what was typed.
    void formulaChanged(const QString& formula);

    // Tests answer the save dialog through this instead of the user.
    void answerPictureTargetWith(std::function<PictureTarget()> asker) { pictureTargetAsker = std::move(asker); }
    // Until the certified analysis under way has reported (or at once).
    void waitForCertified();

protected:
    bool event(QEvent* event) override;

private:
    // The controls, found by tests through their designed object names.
    QGroupBox* 軸幅枠 = nullptr;
    QLabel* 軸幅[2] = {};
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    PictureBox* 図 = nullptr;
    QLabel* xti = nullptr;
    QLabel* yti = nullptr;
    QLabel* 手動解 = nullptr;
    QAction* copyManualRoot = nullptr;
    QAction* savePictureAction = nullptr;
    QAction* copyPictureAction = nullptr;
    std::function<PictureTarget()> pictureTargetAsker;
    QLabel* itixy = nullptr;

    // The screen's own controls.
    QPushButton* グラフ = nullptr;
    ResultList* 解リスト = nullptr;
    QPushButton* 計算 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QComboBox* 精度コンボ = nullptr;
    QPushButton* 式 = nullptr;
    QPushButton* 解析 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2[2] = {};
    QLineEdit* 変域[2] = {};
    QLabel* Label1 = nullptr;
    QLabel* 式ラベル = nullptr;

    // Menu items.
    QAction* ticksAction = nullptr;   // 目盛
    QAction* returnAction = nullptr;  // 戻る
    QAction* certifiedAction = nullptr;    // 保証付き解析
    QAction* exportMarksAction = nullptr;  // 検証の印も書き出す
    QAction* previousViewAction = nullptr;  // 前の表示
    QAction* nextViewAction = nullptr;      // 次の表示
    QAction* tickLabelsAction = nullptr;    // 目盛の数値
    // The certified analysis's window, once the command has run.
    CertifiedWindow* certifiedWindow = nullptr;

    void createControls(QWidget* client);
    void createTickFrame(QWidget* client, const QFont& labelFont);
    void createCommands(QWidget* client, const QFont& buttonFont);
    void createPicture(QWidget* client);
    void createRangeAndFormula(QWidget* client, const QFont& labelFont);
    void createMenu();
    void setFocusOrder();
    void load();

    // Handlers, in the order a user meets them.
    void activated();
    void graphCommand();
    void automaticAnalysis();
    void calculationCommand();
    void backToSetting();
    void tickSettings();
    PictureTarget askPictureTarget();
    void savePictureCommand();

    // The certified analysis (certifiedcommand.cpp).
    struct AnalysedOn {
        core::Formula formula;
        std::string start, end, precision;
        bool operator==(const AnalysedOn&) const = default;
    };
    AnalysedOn analysedOnNow() const;
    void createCertifiedMenu();
    void certifiedAnalysis();
    void certifiedFinished(const CertifiedAnswer& answer);
    void cancelCertified(const QString& why);
    std::vector<ComparisonRow> comparedWithList(const core::Certified& result, double precision) const;
    // F, the range or the precision changed: a result shown of the old ones goes, marks and all.
    void certifiedStale();
    void markFindings(const core::Certified& result);

    // The added gestures on 図 and the history of views (graphview.cpp).
    void createViewMenu();
    void connectGestures();
    void zoomAbout(double x, double y, double factor);
    void panBy(double dx, double dy, bool sameDrag);
    void walkHistory(bool backwards);
    // Runs a re-plot of the view, keeping what was drawn over the picture
    // (leaders, the certified marks) and the labels on their user points.
    template <class Replot>
    void keepingMarks(Replot replot);
    void replotForSize();
    void showTickLabelsIfAsked();

    // Mouse actions on 図 (graphmouse.cpp).
    void connectMouse();
    bool mouseActs() const;
    // Without terms the commands have no F: they say so, as 解法 does.
    bool refusedWithoutTerms();
    // The picture commands need a graph on the picture.
    bool refusedWithoutGraph();
    void pressOnGraph(float x, float y);
    void moveOnGraph(float x, float y);
    void releaseOnGraph(float x, float y);
    void readOut(const Drag& drag);
    void manualRoot(const Drag& drag);

    Kalvex& kalvex;
    AnalysisHost& host;
    CertifiedRun* certifiedRun = nullptr;
    // Wheel notches within this time of the last make one step of the history.
    QElapsedTimer lastWheel;
    QTimer* resizeReplot = nullptr;
    int stoppedReplot = -1;  // the picture whose re-plot for a new size stopped
    // What the last automatic analysis and the certified analysis under way ran on.
    std::optional<AnalysedOn> lastAutomatic, certifiedAsked, certifiedShown;
};
