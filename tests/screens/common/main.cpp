#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#include "platform/look.h"

int main(int argc, char* argv[]) {
    // Screen tests need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    installApplicationLook(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
