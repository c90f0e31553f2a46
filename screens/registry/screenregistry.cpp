// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenregistry.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "analysisscreen.h"
#include "calculationscreen.h"
#include "document.h"
#include "helpscreen.h"
#include "picturebox.h"
#include "picturefile.h"
#include "screenfit.h"
#include "settingscreen.h"
#include "ticksscreen.h"
#include "versionscreen.h"

namespace {

// The screen in its slot, created by `make` when there is none; every
// screen is watched for dropped files and for the last window's closing.
template <class Screen, class Make>
Screen& obtain(QPointer<Screen>& slot, Document& document, Make make) {
    if (!slot) {
        slot = make();
        document.watch(slot);
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
    SettingScreen& screen =
        obtain(settingScreen, document(), [this] { return new SettingScreen(kalvex, *this); });
    if (fresh) {
        // On a screen smaller than the form at this scale, its controls scroll.
        scrollWhenTooLarge(screen);
        connectSetting(screen);
    }
    return screen;
}

AnalysisScreen& ScreenRegistry::analysis() {
    const bool fresh = !analysisScreen;
    AnalysisScreen& screen =
        obtain(analysisScreen, document(), [this] { return new AnalysisScreen(kalvex, *this); });
    if (fresh) connectAnalysis(screen);
    return screen;
}

TicksScreen& ScreenRegistry::ticks() {
    return obtain(ticksScreen, document(), [this] { return new TicksScreen(kalvex, *this); });
}
CalculationScreen& ScreenRegistry::calculation() {
    return obtain(calculationScreen, document(), [this] { return new CalculationScreen(kalvex, *this); });
}
VersionScreen& ScreenRegistry::version() {
    return obtain(versionScreen, document(), [] { return new VersionScreen(); });
}
HelpScreen& ScreenRegistry::help() {
    return obtain(helpScreen, document(), [] { return new HelpScreen(); });
}

void ScreenRegistry::connectSetting(SettingScreen& screen) {
    // No result stays on show under a formula it does not belong to.
    QObject::connect(&screen, &SettingScreen::termsChanged, &screen, [this] {
        if (AnalysisScreen* open = analysisIfOpen()) open->formulaChanged(setting().formulaCaption());
    });
    QObject::connect(&document(), &Document::recentFilesChanged, &screen, &SettingScreen::refillRecentFiles);
    QObject::connect(&screen, &SettingScreen::termsChanged, &screen, [this] { showFileInTitle(); });
    QObject::connect(&document(), &Document::fileChanged, &screen, [this] {
        setting().noteFileTie();
        showFileInTitle();
    });
    showFileInTitle();
}

void ScreenRegistry::showFileInTitle() {
    if (!settingScreen) return;
    const QString path = document().path();
    settingScreen->showFile(path.isEmpty() ? QString() : QFileInfo(path).fileName(), document().modified());
}

void ScreenRegistry::connectAnalysis(AnalysisScreen& screen) {
    // The equation's file commands answer their keys on this window too.
    screen.addActions(setting().fileActions());
    // The range and precision are the equation's too: typing them is a change.
    for (const char* box : {"変域(0)", "変域(1)"}) {
        if (auto* edit = screen.findChild<QLineEdit*>(QString::fromUtf8(box)))
            QObject::connect(edit, &QLineEdit::textChanged, &screen, [this] { showFileInTitle(); });
    }
    if (auto* precision = screen.findChild<QComboBox*>(QString::fromUtf8("精度コンボ")))
        QObject::connect(precision, &QComboBox::editTextChanged, &screen, [this] { showFileInTitle(); });
}

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
void ScreenRegistry::showHelpScreen() { present(help()); }
void ScreenRegistry::showVersionScreen() { present(version()); }
void ScreenRegistry::showCalculationScreen() { present(calculation()); }
void ScreenRegistry::showTicksScreen() { present(ticks()); }

void ScreenRegistry::endProgram() {
    if (endHook) {
        endHook();
        return;
    }
    // At once: no question, no closing handler of any screen.
    std::fflush(nullptr);
    std::_Exit(0);
}

void ScreenRegistry::newEquation() { document().newEquation(); }
void ScreenRegistry::openEquation() { document().open(); }
void ScreenRegistry::openEquation(const QString& path) { document().open(path); }
void ScreenRegistry::saveEquation() { document().save(); }

void ScreenRegistry::startWithFormula(const QString& text) {
    setting().startWithFormula(text);
    setting().forgetSteps();
}

void ScreenRegistry::startWithFile(const QString& path) {
    document().open(path);
    setting().forgetSteps();
}
void ScreenRegistry::saveEquationAs() { document().saveAs(); }
std::shared_ptr<const FileTie> ScreenRegistry::fileTie() { return document().fileTie(); }
void ScreenRegistry::restoreFileTie(const std::shared_ptr<const FileTie>& tie) { document().restore(*tie); }
QStringList ScreenRegistry::recentFiles() { return document().recentFiles(); }

void ScreenRegistry::quit() {
    if (document().mayDiscard()) endProgram();
}

QString ScreenRegistry::formulaCaption() { return setting().formulaCaption(); }

std::optional<AnalysisTexts> ScreenRegistry::takePendingTexts() { return document().takePendingAnalysis(); }

QString ScreenRegistry::proposedPicturePath(const QString& extension) {
    return document().proposedPicturePath(extension);
}

std::optional<QString> ScreenRegistry::writePicture(const QByteArray& bytes, const QString& path) {
    // The equation's own file is never overwritten by its picture.
    const QString equationFile = document().path();
    const QStringList keep = equationFile.isEmpty() ? QStringList{} : QStringList{equationFile};
    if (auto failure = ::writePicture(bytes, path, keep)) return failure;
    document().rememberFolder(path);
    return std::nullopt;
}

void ScreenRegistry::showTickLabels(bool x, bool y) { analysis().showTickLabels(x, y); }

void ScreenRegistry::showGraph() {
    AnalysisScreen& screen = analysis();
    if (!screen.isVisible()) screen.show();
}
void ScreenRegistry::hidePointLabels() { analysis().hidePointLabels(); }
void ScreenRegistry::markPoint(float x, float y, const QString& xCaption, const QString& yCaption) {
    analysis().markPoint(x, y, xCaption, yCaption);
}

std::optional<AnalysisTexts> ScreenRegistry::openAnalysisTexts() {
    if (!analysisScreen) return std::nullopt;
    return analysisScreen->analysisTexts();
}

bool ScreenRegistry::putAnalysisTexts(const AnalysisTexts& texts) {
    if (!analysisScreen) return false;
    analysisScreen->setAnalysisTexts(texts);
    return true;
}

bool ScreenRegistry::isAnalysisScreen(const QObject* screen) {
    return analysisScreen && screen == analysisScreen;
}
void ScreenRegistry::showTerms(const std::vector<Term>& terms) { setting().setTerms(terms); }
QWidget* ScreenRegistry::mainWindow() { return settingScreen; }
