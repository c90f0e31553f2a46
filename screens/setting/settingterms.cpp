// SPDX-License-Identifier: GPL-3.0-or-later
// The term table as the screen shows it, and every change of it as one
// step that 元に戻す takes back, with the file the equation belonged to.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>

#include "formula.h"
#include "kalvex.h"
#include "settingscreen.h"
#include "termtext.h"

namespace {

// One change of the term table: the screen as it was before and after.
class TermsChange : public QUndoCommand {
public:
    TermsChange(std::function<void()> back, std::function<void()> again)
        : back(std::move(back)), again(std::move(again)) {}
    void undo() override { back(); }
    // Pushed once the change is made: only a later redo shows it again.
    void redo() override {
        if (done) again();
        done = true;
    }

private:
    std::function<void()> back, again;
    bool done = false;
};

}  // namespace

TermBoxes SettingScreen::typedBoxes() const {
    return {頭->text().toStdString(),      入力[0]->text().toStdString(), 入力[1]->text().toStdString(),
            入力[2]->text().toStdString(), 定数->text().toStdString(),    tein->text().toStdString()};
}

void SettingScreen::addTerm() {
    const TermBoxes boxes = typedBoxes();
    const char* refusal = nullptr;
    asStep([&] {
        refusal = kalvex.addTerm(boxes);
        if (!refusal) showAddedTerm();
    });
    if (refusal) {
        kalvex.showMessage(refusal);
        return;
    }
    emit termsChanged();
}

void SettingScreen::showAddedTerm() {
    const int slot = kalvex.termTotal();
    数->setText(QString::number(slot));
    リスト->addItem(QString::fromStdString(listEntry(kalvex.termTextOf(slot))));
    showFormula();
    削除->setEnabled(true);
    refillShapeList();
}

void SettingScreen::showFormula() {
    siki->setText(QString::fromStdString(kalvex.formulaLine()));
    siki->adjustSize();
}

void SettingScreen::setTerms(const std::vector<Term>& terms) {
    asStep([&] { replaceTerms(terms); });
    emit termsChanged();
}

// As if the table had been emptied and each term added with 追加.
void SettingScreen::replaceTerms(const std::vector<Term>& terms) {
    kalvex.replaceTerms(terms);
    リスト->clear();
    for (int slot = 1; slot <= kalvex.termTotal(); ++slot)
        リスト->addItem(QString::fromStdString(listEntry(kalvex.termTextOf(slot))));
    数->setText(QString::number(kalvex.termTotal()));
    if (kalvex.termTotal() == 0) {
        siki->setText(QString::fromUtf8("F(x)="));
        siki->adjustSize();
    } else {
        showFormula();
    }
    削除->setEnabled(kalvex.termTotal() > 0);
    refillShapeList();
}

void SettingScreen::deleteTerm() {
    bool removedOne = false;
    asStep([&] { removedOne = deleteSelectedTerm(); });
    if (removedOne) emit termsChanged();
}

bool SettingScreen::deleteSelectedTerm() {
    const int before = リスト->count();
    // One entry at most: removing it hands the selection on to the entry
    // behind it, which must not go too.
    int removed = -1;
    for (int p = 0; p < before && removed < 0; ++p) {
        if (リスト->item(p)->isSelected()) removed = p;
    }
    if (removed >= 0) {
        delete リスト->takeItem(removed);
        // The selection went with its entry: the next click must not find
        // the one that moved up already chosen.
        リスト->setCurrentItem(nullptr);
        リスト->clearSelection();
    }
    数->setText(QString::number(リスト->count()));

    std::vector<std::string> entries;
    for (int p = 0; p < リスト->count(); ++p) entries.push_back(リスト->item(p)->text().toStdString());
    kalvex.removeTerm(removed, entries);
    showFormula();
    if (kalvex.termTotal() != before) refillShapeList();
    return removed >= 0;
}

void SettingScreen::startWithFormula(const QString& text) {
    const FormulaRead read = readFormula(text.toStdString());
    if (read) {
        setTerms(read.termList());
    } else {
        // Once the window is up, with the mark where reading stopped.
        QTimer::singleShot(0, this, [this, text] { enterFormula(text); });
    }
}

struct SettingScreen::TermsShown {
    TermTable table;
    QString count, formula;
    bool deletable = false;
};

SettingScreen::TermsShown SettingScreen::termsShown() const {
    return {kalvex.termTable(), 数->text(), siki->text(), 削除->isEnabled()};
}

// The table, its list, the count, the formula and 削除 as they were.
void SettingScreen::showTerms(const TermsShown& shown) {
    kalvex.restoreTermTable(shown.table);
    リスト->clear();
    for (const std::string& text : shown.table.termTexts)
        リスト->addItem(QString::fromStdString(listEntry(text)));
    数->setText(shown.count);
    siki->setText(shown.formula);
    siki->adjustSize();
    削除->setEnabled(shown.deletable);
    refillShapeList();
    emit termsChanged();
}

template <class Change>
void SettingScreen::asStep(Change change) {
    const TermsShown before = termsShown();
    const std::shared_ptr<TieSlot> beforeTie = shownTie;
    // The range may have been typed since the file was last tied.
    beforeTie->tie = host.fileTie();
    change();
    const TermsShown after = termsShown();
    if (after.table == before.table) return;
    // A file the change ties the equation to is noted once it is tied.
    const auto afterTie = std::make_shared<TieSlot>(TieSlot{host.fileTie()});
    shownTie = afterTie;
    history->push(new TermsChange([this, before, beforeTie] { showState(before, beforeTie); },
                                  [this, after, afterTie] { showState(after, afterTie); }));
}

void SettingScreen::showState(const TermsShown& shown, const std::shared_ptr<TieSlot>& tie) {
    shownTie = tie;
    if (tie->tie) host.restoreFileTie(tie->tie);
    showTerms(shown);
}

void SettingScreen::noteFileTie() { shownTie->tie = host.fileTie(); }
void SettingScreen::refillShapeList() {
    形状->clear();
    for (int code : kalvex.shapeCodes()) 形状->addItem(QString::number(code));
}

QString SettingScreen::formulaCaption() const { return siki->text(); }

void SettingScreen::forgetSteps() { history->clear(); }
