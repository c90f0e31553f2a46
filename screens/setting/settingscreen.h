// SPDX-License-Identifier: GPL-3.0-or-later
// The equation setting screen 方程式: the main window. The user picks a
// term shape, types its parameters into the formula row, adds and deletes
// terms, evaluates F at one x, and opens the other screens.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <array>
#include <memory>

#include "settinghost.h"
#include "term.h"
#include "termtext.h"

class Kalvex;
class DesignFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QMenu;
class QToolBar;
class QAction;
class QUndoStack;
class FormulaDialog;

class SettingScreen : public QMainWindow {
    Q_OBJECT

public:
    SettingScreen(Kalvex& kalvex, SettingHost& host);

    // The formula as this screen shows it, for the analysis screen's caption.
    QString formulaCaption() const;
    // Replaces the terms, as emptying the table and adding each would, as
    // one step that 元に戻す takes back.
    void setTerms(const std::vector<Term>& terms);
    // The recent files as the host has them now.
    void refillRecentFiles();
    // Kalvex -e TEXT: starts with the terms of the line, which no 元に戻す
    // takes away; a line that does not read opens 式を入力… with it.
    void startWithFormula(const QString& text);
    // The title names the equation's file, marked when it has unsaved
    // changes; without a file it is the designed caption alone.
    void showFile(const QString& fileName, bool modified);
    // The equation was tied to another file, or its file written: the
    // state shown, and the undo steps beside it, belong to that file now.
    void noteFileTie();
    // 新規作成, 開く, 上書き保存 and 名前を付けて保存, for other windows to
    // answer their keys too.
    QList<QAction*> fileActions() const;
    // What the program starts with is no step to take back.
    void forgetSteps();

signals:
    // F is another one now: a term was added or deleted, or all replaced.
    void termsChanged();

private:
    QMenu* ファイル = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QList<QAction*> recentActions;

    // The 編集 menu: every change of the term table is one step back.
    QMenu* 編集 = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QAction* formulaAction = nullptr;
    QAction* copyFormulaAction = nullptr;
    QUndoStack* history = nullptr;

    QLabel* siki = nullptr;

    QToolBar* Toolbar1 = nullptr;
    DesignFrame* Frame1 = nullptr;
    QRadioButton* f[7] = {};

    // The formula row.
    DesignFrame* Frame6 = nullptr;
    DesignFrame* 枠[3] = {};
    QLineEdit* 頭 = nullptr;
    QLabel* 関数 = nullptr;
    QLabel* 掛けるラベル = nullptr;
    QLineEdit* tein = nullptr;
    QLabel* ベキラベル = nullptr;
    QLabel* 括弧[2] = {};
    DesignFrame* Frame4[3] = {};
    QLineEdit* 入力[3] = {};
    QLabel* Label1 = nullptr;
    QLabel* たす = nullptr;
    QLineEdit* 定数 = nullptr;

    QPushButton* 追加 = nullptr;
    QPushButton* 削除 = nullptr;
    DesignFrame* Frame2 = nullptr;
    QLabel* 数 = nullptr;
    DesignFrame* Frame7 = nullptr;
    QListWidget* リスト = nullptr;
    DesignFrame* 形状枠 = nullptr;
    QListWidget* 形状 = nullptr;

    // The estimate panel.
    DesignFrame* 推定枠 = nullptr;
    DesignFrame* Frame3 = nullptr;
    QLineEdit* x値 = nullptr;
    QPushButton* 計算 = nullptr;
    DesignFrame* Frame5 = nullptr;
    QLabel* 解 = nullptr;
    DesignFrame* Frame9 = nullptr;
    QListWidget* 式 = nullptr;

    // The menu bar, each action named as designed; borderActions[0] is
    // unused, the items are h(1) and h(2).
    QAction* openAnalysisAction = nullptr;  // kai
    QAction* estimateAction = nullptr;      // s
    QAction* displayMenuAction = nullptr;   // hh
    QAction* borderActions[3] = {};         // h
    QAction* helpAction = nullptr;          // he
    QAction* versionAction = nullptr;       // b
    QAction* endAction = nullptr;           // E

    // Nine pictures; the toolbar uses the first, second and fourth. A
    // picture that could not be loaded is a null icon.
    std::array<QIcon, 9> ImageList1;

    void createFormulaRow(QWidget* client);
    void createTermControls(QWidget* client);
    void createEstimatePanel(QWidget* client);
    void createToolbar(QWidget* client);
    void createMenus();
    void load();

    void chooseShape(int index);
    void addTerm();
    TermBoxes typedBoxes() const;
    void showAddedTerm();
    void showFormula();
    void createFileMenu();
    void createEditMenu();
    void enterFormula(const QString& text);
    void copyFormula();
    // What the screen shows of the term table, caption for caption.
    struct TermsShown;
    TermsShown termsShown() const;
    void showTerms(const TermsShown& shown);
    // Runs a change of the term table; a change is one step in the history.
    template <class Change>
    void asStep(Change change);
    // Which file a state of the table belongs to; the two steps beside a
    // state share it, so that a save while it is shown reaches both.
    struct TieSlot {
        std::shared_ptr<const FileTie> tie;
    };
    void showState(const TermsShown& shown, const std::shared_ptr<TieSlot>& tie);
    std::shared_ptr<TieSlot> shownTie = std::make_shared<TieSlot>();
    void replaceTerms(const std::vector<Term>& terms);
    QAction* recentSeparator = nullptr;
    void deleteTerm();
    bool deleteSelectedTerm();  // true when an entry was removed
    void refillShapeList();
    void estimate();
    void toolbarButton(const QString& key);
    void openAnalysis();
    void showEstimatePanel();
    void switchBorders(int index);
    void openHelp();
    void openVersion();
    void endProgram();

    Kalvex& kalvex;
    SettingHost& host;
};
