// SPDX-License-Identifier: GPL-3.0-or-later
// 式を入力…: F typed as one line. Beneath the line it shows, as the user
// types, the terms as the term list would show them, or the first fault
// with a mark under the character where reading stopped. Only a line that
// reads can be applied.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <vector>

#include "formula.h"

class QDialogButtonBox;
class QLabel;
class QListWidget;

// The line, with a mark under one of its characters.
class FormulaLine : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    // The character to mark (an index into text()), or -1 for none.
    void setMark(int index);
    // Where the mark is drawn; empty when there is none.
    QRect markRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int mark = -1;
};

class FormulaDialog : public QDialog {
    Q_OBJECT

public:
    FormulaDialog(const QString& text, QWidget* parent);

    // The terms of the line as it reads now; empty while it does not.
    std::vector<Term> terms() const { return reading.termList(); }

    FormulaLine* 式の行 = nullptr;
    QLabel* 読み取り = nullptr;
    QListWidget* 項の一覧 = nullptr;
    QDialogButtonBox* buttons = nullptr;

private:
    void fitScreen();
    void reread();

    FormulaRead reading;
};
