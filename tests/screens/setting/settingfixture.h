// SPDX-License-Identifier: GPL-3.0-or-later
// The setting screen, shown, with helpers that act as a user would: click
// an option, type into the boxes by name, click 追加.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <initializer_list>
#include <utility>

#include "fixture.h"
#include "settingscreen.h"

class SettingTest : public ScreenTest {
protected:
    SettingTest() : screen(registry->setting()) {
        screen.show();
        QApplication::processEvents();
    }

    void choose(int option) { QTest::mouseClick(find<QRadioButton>(&screen, QString::fromUtf8("f(%1)").arg(option)), Qt::LeftButton); }

    void type(const char* box, const char* text) {
        QLineEdit* edit = find<QLineEdit>(&screen, QString::fromUtf8(box));
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }

    void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    // Chooses shape `option` + 1, fills the boxes and adds the term.
    void add(int option, std::initializer_list<std::pair<const char*, const char*>> boxes) {
        choose(option);
        for (const auto& [box, text] : boxes) type(box, text);
        click(find<QPushButton>(&screen, QString::fromUtf8("追加")));
    }

    void select(int row) { find<QListWidget>(&screen, QString::fromUtf8("リスト"))->setCurrentRow(row); }

    static std::vector<std::string> entries(QListWidget* list) {
        std::vector<std::string> texts;
        for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().toStdString());
        return texts;
    }

    // The first term of the table; an empty table fails the test.
    Term first() const {
        const std::vector<Term> terms = kalvex.terms();
        EXPECT_FALSE(terms.empty()) << "no term";
        return terms.empty() ? Term{} : terms.front();
    }

    std::string formula() const { return find<QLabel>(&screen, QString::fromUtf8("siki"))->text().toStdString(); }

    SettingScreen& screen;
};
