#include "screenregistry.h"

#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "analysis/analysisscreen.h"
#include "document.h"
#include "calculation/calculationscreen.h"
#include "info/helpscreen.h"
#include "info/versionscreen.h"
#include "setting/settingscreen.h"
#include "ticks/ticksscreen.h"

namespace {

template <class Screen>
Screen& obtain(QPointer<Screen>& slot, Kalvex& kalvex, ScreenRegistry& registry) {
    if (!slot) {
        slot = new Screen(kalvex, registry);
        registry.document().watch(slot);
    }
    return *slot;
}

}  // namespace

ScreenRegistry::ScreenRegistry(Kalvex& kalvex)
    : kalvex(kalvex), equationFile(std::make_unique<Document>(kalvex, *this)) {}

ScreenRegistry::~ScreenRegistry() {
    delete helpScreen;
    delete versionScreen;
    delete calculationScreen;
    delete ticksScreen;
    delete analysisScreen;
    delete settingScreen;
    equationFile.reset();
}

SettingScreen& ScreenRegistry::setting() {
    const bool fresh = !settingScreen;
    SettingScreen& screen = obtain(settingScreen, kalvex, *this);
    if (fresh) {
        // No result stays on show under a formula it does not belong to.
        QObject::connect(&screen, &SettingScreen::termsChanged, &screen, [this] {
            if (AnalysisScreen* open = analysisIfOpen()) open->formulaChanged(setting().formulaCaption());
        });
    }
    return screen;
}

AnalysisScreen& ScreenRegistry::analysis() {
    const bool fresh = !analysisScreen;
    AnalysisScreen& screen = obtain(analysisScreen, kalvex, *this);
    if (fresh) {
        // The equation's file commands answer their keys on this window too.
        SettingScreen& main = setting();
        screen.addActions({main.newAction, main.openAction, main.saveAction, main.saveAsAction});
    }
    return screen;
}
TicksScreen& ScreenRegistry::ticks() { return obtain(ticksScreen, kalvex, *this); }
CalculationScreen& ScreenRegistry::calculation() { return obtain(calculationScreen, kalvex, *this); }
VersionScreen& ScreenRegistry::version() { return obtain(versionScreen, kalvex, *this); }
HelpScreen& ScreenRegistry::help() { return obtain(helpScreen, kalvex, *this); }

SettingScreen* ScreenRegistry::settingIfOpen() const { return settingScreen; }
AnalysisScreen* ScreenRegistry::analysisIfOpen() const { return analysisScreen; }
TicksScreen* ScreenRegistry::ticksIfOpen() const { return ticksScreen; }
CalculationScreen* ScreenRegistry::calculationIfOpen() const { return calculationScreen; }
VersionScreen* ScreenRegistry::versionIfOpen() const { return versionScreen; }
HelpScreen* ScreenRegistry::helpIfOpen() const { return helpScreen; }

void ScreenRegistry::present(QWidget& screen) {
    screen.show();
    screen.raise();
    screen.activateWindow();
}

void ScreenRegistry::showSettingScreen() { present(setting()); }
void ScreenRegistry::showAnalysisScreen() { present(analysis()); }

void ScreenRegistry::endProgram() {
    if (endHook) {
        endHook();
        return;
    }
    // At once: no question, no closing handler of any screen.
    std::fflush(nullptr);
    std::_Exit(0);
}
