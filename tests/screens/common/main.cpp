// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <clocale>

#include "language.h"
#include "look.h"

namespace {

// The offscreen platform warns on every raise; that is not news in a test.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietPlatform);
    // The tests read the designed Japanese whatever the caller's locale,
    // and so do the programs they start.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    // Screen tests need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    installApplicationLook(app);
    installLanguage(app, Language::japanese);
    // Settings the program keeps (the recent files) stay with this run.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
