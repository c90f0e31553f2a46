// SPDX-License-Identifier: GPL-3.0-or-later
// The screens in English, or in Japanese with KALVEX_SHOTS_LANGUAGE=ja to
// take the same pictures of the designed forms for comparison.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <clocale>

#include "language.h"
#include "look.h"
#include "testedlanguage.h"

Language testedLanguage = Language::english;

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    installApplicationLook(app);
    if (qEnvironmentVariable("KALVEX_SHOTS_LANGUAGE") == QLatin1String("ja"))
        testedLanguage = Language::japanese;
    installLanguage(app, testedLanguage);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
