// One instance of each screen per process, created (and so loaded) on first
// use, hidden until shown. Screens reach each other only through here, and
// ask again on every event: a closed screen is gone.
#pragma once

#include <QPointer>
#include <functional>
#include <memory>

#include "platform.h"

class Kalvex;
class Document;
class QWidget;
class SettingScreen;
class AnalysisScreen;
class TicksScreen;
class CalculationScreen;
class VersionScreen;
class HelpScreen;

class ScreenRegistry : public ScreenHost {
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

    // Shows a screen without the modal option and brings it to the front.
    static void present(QWidget& screen);

    void showSettingScreen() override;
    void showAnalysisScreen() override;
    void endProgram() override;
    // Tests replace the ending of the process.
    void setEndProgram(std::function<void()> end) { endHook = std::move(end); }

private:
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
