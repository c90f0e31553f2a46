// What the setting screen asks of the rest of the program: the other
// screens and the equation as a file. The registry answers.
#pragma once

#include <QString>
#include <QStringList>

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
    // The last files opened or saved, newest first.
    virtual QStringList recentFiles() = 0;
    // 終了: unsaved work is asked about first, then the program ends.
    virtual void quit() = 0;
};
