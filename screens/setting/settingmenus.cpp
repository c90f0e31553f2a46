// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar, the toolbar's commands, the file menu with its recent
// files, and the title that names the file.
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <algorithm>

#include "designframe.h"
#include "formula.h"
#include "formuladialog.h"
#include "kalvex.h"
#include "messages.h"
#include "settingscreen.h"

namespace {

// Steps that 元に戻す can take back, at the least.
constexpr int historySteps = 100;

// A text box that moves to its end on Ctrl+E would keep 式を入力… from the
// user who is typing in the boxes.
class FormulaKeyPassesBoxes : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->keyCombination() ==
                                                             QKeyCombination(Qt::ControlModifier, Qt::Key_E))
            return true;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void SettingScreen::createMenus() {
    createFileMenu();
    createEditMenu();
    auto item = [this](const char* name, const QString& caption, void (SettingScreen::*command)()) {
        QAction* action = menuBar()->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    openAnalysisAction = item("kai", tr("解法"), &SettingScreen::openAnalysis);
    estimateAction = item("s", tr("推定"), &SettingScreen::showEstimatePanel);
    QMenu* display = menuBar()->addMenu(tr("表示", "menu"));
    displayMenuAction = display->menuAction();
    displayMenuAction->setObjectName("hh");
    const char* displayCaptions[3] = {"", QT_TRANSLATE_NOOP("SettingScreen", "表示"),
                                      QT_TRANSLATE_NOOP("SettingScreen", "非表示")};
    for (int i = 1; i <= 2; ++i) {
        borderActions[i] = display->addAction(tr(displayCaptions[i]));
        borderActions[i]->setObjectName(QString("h(%1)").arg(i));
        connect(borderActions[i], &QAction::triggered, this, [this, i] { switchBorders(i); });
    }
    helpAction = item("he", tr("ヘルプ"), &SettingScreen::openHelp);
    versionAction = item("b", tr("ﾊﾞｰｼﾞｭﾝ"), &SettingScreen::openVersion);
    endAction = item("E", tr("終了"), &SettingScreen::endProgram);
}

// First on the menu bar, beside the designed menus: the equation as a file.
void SettingScreen::createFileMenu() {
    ファイル = menuBar()->addMenu(tr("ファイル(&F)"));
    ファイル->setObjectName("ファイル");
    // Each command is named by its designed Japanese caption.
    auto command = [&](const char* name, const QString& caption, QKeySequence keys, auto run) {
        QAction* action = ファイル->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    newAction = command("新規作成", tr("新規作成(&N)"), QKeySequence::New, [this] { host.newEquation(); });
    openAction = command("開く…", tr("開く(&O)…"), QKeySequence::Open, [this] { host.openEquation(); });
    saveAction =
        command("上書き保存", tr("上書き保存(&S)"), QKeySequence::Save, [this] { host.saveEquation(); });
    saveAsAction = command("名前を付けて保存…", tr("名前を付けて保存(&A)…"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { host.saveEquationAs(); });
    recentSeparator = ファイル->addSeparator();
    refillRecentFiles();
}

// Beside ファイル: taking changes of the terms back, and F as one line.
void SettingScreen::createEditMenu() {
    編集 = menuBar()->addMenu(tr("編集(&E)"));
    編集->setObjectName("編集");
    history = new QUndoStack(this);
    history->setUndoLimit(historySteps);
    auto command = [&](const char* name, const QString& caption, QList<QKeySequence> keys, auto run) {
        QAction* action = 編集->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    undoAction = command("元に戻す", tr("元に戻す(&U)"), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                         [this] { history->undo(); });
    redoAction = command("やり直し", tr("やり直し(&R)"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                         [this] { history->redo(); });
    編集->addSeparator();
    formulaAction = command("式を入力…", tr("式を入力(&E)…"), {QKeySequence(Qt::CTRL | Qt::Key_E)},
                            [this] { enterFormula(QString::fromStdString(writeFormula(kalvex.terms()))); });
    copyFormulaAction = command("式をコピー", tr("式をコピー(&C)"), {}, [this] { copyFormula(); });
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
    copyFormulaAction->setEnabled(false);
    connect(history, &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(history, &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    connect(this, &SettingScreen::termsChanged, this,
            [this] { copyFormulaAction->setEnabled(kalvex.termTotal() > 0); });
    auto* formulaKey = new FormulaKeyPassesBoxes(this);
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->installEventFilter(formulaKey);
}

void SettingScreen::enterFormula(const QString& text) {
    auto* dialog = new FormulaDialog(text, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { setTerms(dialog->terms()); });
    dialog->open();
}

void SettingScreen::copyFormula() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(writeFormula(kalvex.terms())));
}

void SettingScreen::showFile(const QString& fileName, bool modified) {
    const QString caption = tr("方程式の解法　　(方程式設定画面）");
    // "[*]" in a name is a name, not the place of the mark.
    QString name = fileName;
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(fileName.isEmpty() ? caption : name + QStringLiteral("[*] - ") + caption);
    setWindowModified(!fileName.isEmpty() && modified);
}

void SettingScreen::refillRecentFiles() {
    for (QAction* a : recentActions) {
        ファイル->removeAction(a);
        // Later: the action may be the one being triggered. Its name goes
        // now, so that only the shown ones are found by it.
        a->setObjectName(QString());
        a->deleteLater();
    }
    recentActions.clear();
    const QStringList recent = host.recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        const QString name = QFileInfo(path).fileName();
        // Two files of one name are told apart by their folders.
        const bool shared = std::count_if(recent.begin(), recent.end(), [&](const QString& other) {
                                return QFileInfo(other).fileName() == name;
                            }) > 1;
        const QString caption =
            shared ? QString("%1 (%2)").arg(name, QDir::toNativeSeparators(QFileInfo(path).absolutePath()))
                   : name;
        // An ampersand in a name is shown, not taken for a mnemonic.
        QString shown = caption;
        shown.replace('&', "&&");
        QAction* a = new QAction(QString("&%1 %2").arg(i + 1).arg(shown), ファイル);
        a->setObjectName(QString("recent(%1)").arg(i));
        a->setToolTip(path);
        connect(a, &QAction::triggered, this, [this, path] { host.openEquation(path); });
        ファイル->addAction(a);
        recentActions.append(a);
    }
    recentSeparator->setVisible(!recent.isEmpty());
}

void SettingScreen::toolbarButton(const QString& key) {
    if (key == QString::fromUtf8("解法")) {
        openAnalysis();
    } else if (key == QString::fromUtf8("推定")) {
        showEstimatePanel();
    } else if (key == QString::fromUtf8("終了")) {
        endProgram();
    }
}

void SettingScreen::openAnalysis() {
    if (kalvex.termTotal() >= 1) {
        host.showAnalysisScreen();
    } else {
        kalvex.showMessage(messages::enterFormula);
    }
}

void SettingScreen::showEstimatePanel() { 推定枠->show(); }

// Frames hidden by the shape layout stay hidden: only their border changes.
void SettingScreen::switchBorders(int index) {
    if (index != 1 && index != 2) return;
    const bool on = index == 1;
    for (int i = 0; i < 3; ++i) {
        枠[i]->setBorder(on);
        Frame4[i]->setBorder(on);
    }
    形状枠->setVisible(on);
}

void SettingScreen::openHelp() { host.showHelpScreen(); }
void SettingScreen::openVersion() { host.showVersionScreen(); }
void SettingScreen::endProgram() { host.quit(); }

QList<QAction*> SettingScreen::fileActions() const { return {newAction, openAction, saveAction, saveAsAction}; }
