// The analysis screen 解析画面: range, precision, graph, automatic analysis
// and the mouse actions on the graph.
#pragma once

#include <QMainWindow>

class Kalvex;
class ScreenRegistry;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QComboBox;

class AnalysisScreen : public QMainWindow {
    Q_OBJECT

public:
    AnalysisScreen(Kalvex& kalvex, ScreenRegistry& registry);

    // Controls that other screens act on directly.
    QGroupBox* 軸幅枠 = nullptr;
    QLabel* 軸幅[2] = {};
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    PictureBox* 図 = nullptr;
    QLabel* xti = nullptr;
    QLabel* yti = nullptr;
    QLabel* 手動解 = nullptr;
    QLabel* itixy = nullptr;

    // The screen's own controls.
    QPushButton* グラフ = nullptr;
    QListWidget* 解リスト = nullptr;
    QPushButton* 計算 = nullptr;
    QComboBox* 精度コンボ = nullptr;
    QPushButton* 式 = nullptr;
    QPushButton* 解析 = nullptr;
    QLineEdit* 変域[2] = {};
    QLabel* Label1 = nullptr;
    QLabel* 式ラベル = nullptr;

private:
    Kalvex& kalvex;
    ScreenRegistry& registry;
};
