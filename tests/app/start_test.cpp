// SPDX-License-Identifier: GPL-3.0-or-later
// What the program starts with, a typed F or an equation file, as main()
// asks the registry for it: the terms are there and 元に戻す has no step.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include "fixture.h"
#include "settingscreen.h"

namespace {

class StartTest : public ScreenTest {
protected:
    bool canUndo() {
        QAction* undo = find<QAction>(&registry->setting(), "元に戻す");
        return undo && undo->isEnabled();
    }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(StartTest, WhatTheProgramStartsWithIsNoStepBack) {
    const QString file = dir.filePath("sq.kalvex");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({"format": "kalvex-equation", "version": 1,
      "terms": [{"shape": "power", "b": "1", "n": "2"}, {"shape": "constant", "k": "-2"}]})");
    f.close();
    kalvex.startUp();
    registry->startWithFile(file);
    EXPECT_EQ(kalvex.termTable().termTexts.size(), 2u);
    EXPECT_FALSE(canUndo());
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(StartTest, ATypedFormulaIsNoStepBack) {
    kalvex.startUp();
    registry->startWithFormula("x^3 - 2x + 1");
    EXPECT_EQ(kalvex.termTable().termTexts.size(), 3u);
    EXPECT_FALSE(canUndo());
}
