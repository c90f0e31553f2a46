// SPDX-License-Identifier: GPL-3.0-or-later
// One instance of each screen per process, created (and so loaded) on first
// use, hidden until shown. The screens know none of each other: each asks
// its host, and the registry, which creates every screen, answers, asking
// the screens again on every event (a closed screen is gone).
#pragma once

#include <QPointer>
#include <functional>
#include <memory>

#include "analysishost.h"
#include "calculationhost.h"
#include "document.h"
#include "platform.h"
#include "settinghost.h"
#include "tickshost.h"

class Kalvex;
class QWidget;
class SettingScreen;
class AnalysisScreen;
class TicksScreen;
class CalculationScreen;
class VersionScreen;
class HelpScreen;

class ScreenRegistry : public ScreenHost,
                       public SettingHost,
                       public AnalysisHost,
                       public TicksHost,
                       public CalculationHost,
                       public DocumentScreens {
public:
    explicit ScreenRegistry(Kalvex& kalvex);
    ~ScreenRegistry() override;
    ScreenRegistry(const ScreenRegistry&) = delete;
    ScreenRegistry& operator=(const ScreenRegistry&) = delete;

    // The screen, created if needed.
    SettingScreen& setting();
    AnalysisScreen& analysis();
    TicksScreen& ticks();
    CalculationScreen& calculation();
    VersionScreen& version();
    HelpScreen& help();

    // The screen if it exists, else null.
    SettingScreen* settingIfOpen() const;
    AnalysisScreen* analysisIfOpen() const;
    TicksScreen* ticksIfOpen() const;
    CalculationScreen* calculationIfOpen() const;
    VersionScreen* versionIfOpen() const;
    HelpScreen* helpIfOpen() const;

    // The equation as a file, and the file commands.
    Document& document() { return *equationFile; }

    // The program's start, once the module has started up: with the terms
    // of a typed F, or with an equation file. What it starts with is no
    // step that 元に戻す takes back.
    void startWithFormula(const QString& text);
    void startWithFile(const QString& path);

    // Shows a screen without the modal option and brings it to the front.
    static void present(QWidget& screen);

    // ScreenHost.
    void showSettingScreen() override;
    void showAnalysisScreen() override;
    void endProgram() override;
    // Tests replace the ending of the process.
    void setEndProgram(std::function<void()> end) { endHook = std::move(end); }

    // SettingHost.
    void showHelpScreen() override;
    void showVersionScreen() override;
    void newEquation() override;
    void openEquation() override;
    void openEquation(const QString& path) override;
    void saveEquation() override;
    void saveEquationAs() override;
    std::shared_ptr<const FileTie> fileTie() override;
    void restoreFileTie(const std::shared_ptr<const FileTie>& tie) override;
    QStringList recentFiles() override;
    void quit() override;

    // AnalysisHost.
    QString formulaCaption() override;
    std::optional<AnalysisTexts> takePendingTexts() override;
    QString proposedPicturePath(const QString& extension) override;
    std::optional<QString> writePicture(const QByteArray& bytes, const QString& path) override;
    void showCalculationScreen() override;
    void showTicksScreen() override;

    // TicksHost.
    void showTickLabels(bool x, bool y) override;
    // TicksHost and CalculationHost.
    void showGraph() override;

    // CalculationHost.
    void hidePointLabels() override;
    void markPoint(float x, float y, const QString& xCaption, const QString& yCaption) override;

    // DocumentScreens.
    std::optional<AnalysisTexts> openAnalysisTexts() override;
    bool putAnalysisTexts(const AnalysisTexts& texts) override;
    bool isAnalysisScreen(const QObject* screen) override;
    void showTerms(const std::vector<Term>& terms) override;
    QWidget* mainWindow() override;

private:
    void connectSetting(SettingScreen& screen);
    void connectAnalysis(AnalysisScreen& screen);
    void showFileInTitle();

    Kalvex& kalvex;
    QPointer<SettingScreen> settingScreen;
    QPointer<AnalysisScreen> analysisScreen;
    QPointer<TicksScreen> ticksScreen;
    QPointer<CalculationScreen> calculationScreen;
    QPointer<VersionScreen> versionScreen;
    QPointer<HelpScreen> helpScreen;
    std::function<void()> endHook;
    std::unique_ptr<Document> equationFile;
};
