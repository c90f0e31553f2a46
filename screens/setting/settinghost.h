// SPDX-License-Identifier: GPL-3.0-or-later
// What the setting screen asks of the rest of the program: the other
// screens and the equation as a file. The registry answers.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// Which file the shown equation belongs to; the document defines it, the
// setting screen only carries it with each undo step.
struct FileTie;

class SettingHost {
public:
    virtual ~SettingHost() = default;
    virtual void showAnalysisScreen() = 0;
    virtual void showHelpScreen() = 0;
    virtual void showVersionScreen() = 0;
    // The ファイル menu's commands.
    virtual void newEquation() = 0;
    virtual void openEquation() = 0;
    virtual void openEquation(const QString& path) = 0;
    virtual void saveEquation() = 0;
    virtual void saveEquationAs() = 0;
    // Which file the shown equation belongs to, and tying it to one again
    // as an undo step had it.
    virtual std::shared_ptr<const FileTie> fileTie() = 0;
    virtual void restoreFileTie(const std::shared_ptr<const FileTie>& tie) = 0;
    // The last files opened or saved, newest first.
    virtual QStringList recentFiles() = 0;
    // 終了: unsaved work is asked about first, then the program ends.
    virtual void quit() = 0;
};
