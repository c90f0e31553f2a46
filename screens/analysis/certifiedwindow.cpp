// SPDX-License-Identifier: GPL-3.0-or-later
#include "certifiedwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "certifiedsummary.h"
#include "rowcopy.h"
#include "screenfit.h"

namespace {

// Short work shows no progress at all; longer work shows it after this.
constexpr int progressDelayMs = 200;
constexpr int maxDigits = 1000;

// Texts in rows and columns, read only, sized to their contents.
void prepareTable(QTableWidget* table, const QStringList& headers) {
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
}

void setRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) table->setItem(row, column, new QTableWidgetItem(cells[column]));
}

// A coloured mark and its name for each kind of finding, in a row.
QWidget* legendOf(QWidget* parent) {
    auto* legend = new QWidget(parent);
    legend->setObjectName("凡例");
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    for (const LegendEntry& entry : certifiedLegend()) {
        auto* mark = new QLabel(entry.glyph, legend);
        QPalette palette = mark->palette();
        palette.setColor(QPalette::WindowText, entry.colour);
        mark->setPalette(palette);
        row->addWidget(mark);
        row->addWidget(new QLabel(entry.name, legend));
        row->addSpacing(8);
    }
    row->addStretch(1);
    return legend;
}

QSpinBox* digitsControl(QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName("桁数");
    box->setRange(0, maxDigits);
    box->setSpecialValueText(CertifiedWindow::tr("精度で丸める"));
    box->setSuffix(CertifiedWindow::tr(" 桁"));
    // A typed number counts once it is whole, not at each keystroke.
    box->setKeyboardTracking(false);
    return box;
}

}  // namespace

FindingTable::FindingTable(QWidget* parent)
    : QTableWidget(0, 5, parent),
      copyAction(new QAction(tr("コピー"), this)),
      copyAllAction(new QAction(tr("すべてコピー"), this)) {
    prepareTable(this, {tr("種類"), tr("値"), tr("重複度"), tr("区間の下端"), tr("区間の上端")});
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    copyAction->setObjectName("コピー");
    copyAllAction->setObjectName("すべてコピー");
    connect(copyAction, &QAction::triggered, this, [this] {
        // Nothing chosen: what the user copied before stays on the clipboard.
        if (selectionModel()->hasSelection()) QApplication::clipboard()->setText(selectedText());
    });
    connect(copyAllAction, &QAction::triggered, this, [this] {
        if (rowCount() > 0) QApplication::clipboard()->setText(allText());
    });
}

QString FindingTable::rowText(int row) const {
    QStringList cells;
    for (int column = 0; column < columnCount(); ++column) cells << item(row, column)->text();
    return cells.join('\t');
}

QString FindingTable::selectedText() const {
    return chosenRowsText(selectionModel(), [this](int row) { return rowText(row); });
}

QString FindingTable::allText() const {
    return allRowsText(rowCount(), [this](int row) { return rowText(row); });
}

void FindingTable::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyAction->trigger();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void FindingTable::contextMenuEvent(QContextMenuEvent* event) {
    showCopyMenu(this, event->globalPos(), selectionModel(), copyAction, copyAllAction, rowCount());
}

CertifiedWindow::CertifiedWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("保証付き解析結果");
    setWindowTitle(tr("保証付き解析"));
    subject = new QLabel(this);
    subject->setObjectName("対象");
    subject->setTextInteractionFlags(Qt::TextSelectableByMouse);
    digitsBox = digitsControl(this);
    connect(digitsBox, &QSpinBox::valueChanged, this, &CertifiedWindow::digitsChanged);
    summary = new QLabel(this);
    summary->setObjectName("要約");
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    legend = legendOf(this);
    findings = new FindingTable(this);
    findings->setObjectName("所見");
    // A table scrolls however long the list is; the findings keep their room.
    comparison = new QTableWidget(0, 4, this);
    comparison->setObjectName("比較");
    prepareTable(comparison, {tr("自動解析の解"), tr("最も近い証明済みの解"), tr("距離"), tr("判定")});
    progress = new QProgressBar(this);
    progress->setRange(0, 0);  // no measure of how far it is: only that it runs
    cancelButton = new QPushButton(tr("キャンセル"), this);
    cancelButton->setObjectName("キャンセル");
    connect(cancelButton, &QPushButton::clicked, this, &CertifiedWindow::cancelRequested);
    closeButton = new QPushButton(tr("閉じる"), this);
    closeButton->setObjectName("閉じる");
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progress, 1);
    progressRow->addWidget(cancelButton);
    progressRow->addStretch();
    progressRow->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    auto* subjectRow = new QHBoxLayout;
    subjectRow->addWidget(subject, 1);
    subjectRow->addWidget(new QLabel(tr("有効数字:"), this));
    subjectRow->addWidget(digitsBox);
    layout->addLayout(subjectRow);
    layout->addWidget(summary);
    layout->addWidget(legend);
    layout->addWidget(findings, 2);
    layout->addWidget(comparison, 1);
    layout->addLayout(progressRow);
    progressDelay = new QTimer(this);
    progressDelay->setSingleShot(true);
    progressDelay->setInterval(progressDelayMs);
    connect(progressDelay, &QTimer::timeout, this, [this] {
        progress->show();
        cancelButton->show();
    });
    stopProgress();
    showComparison({});
    resize(600, 420);
}

void CertifiedWindow::stopProgress() {
    running = false;
    progressDelay->stop();
    progress->hide();
    cancelButton->hide();
}

void CertifiedWindow::showComparison(const std::vector<ComparisonRow>& rows) {
    comparison->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < comparison->rowCount(); ++row) {
        const ComparisonRow& r = rows[static_cast<std::size_t>(row)];
        setRow(comparison, row, {r.entry, r.nearest, r.distance, r.verdict});
    }
    comparison->setVisible(!rows.empty());
}

void CertifiedWindow::showRunning() {
    findings->setRowCount(0);
    subject->clear();
    summary->setText(tr("解析中..."));
    showComparison({});
    running = true;
    progressDelay->start();
    const bool opening = !isVisible();
    show();
    // Where it first opens, it opens on the screen whole.
    if (opening) fitToScreen(*this);
    raise();
}

int CertifiedWindow::digits() const { return digitsBox->value(); }

void CertifiedWindow::showResult(const core::Certified& result, double precision, const QString& about,
                                 const std::vector<ComparisonRow>& against, const std::vector<std::string>& digits) {
    stopProgress();
    findings->setRowCount(static_cast<int>(result.findings.size()));
    for (int row = 0; row < findings->rowCount(); ++row) {
        const core::Finding& g = result.findings[static_cast<std::size_t>(row)];
        const std::size_t i = static_cast<std::size_t>(row);
        // A root whose digits could not be told keeps its rounding to the precision.
        const QString value = i < digits.size() && !digits[i].empty() ? QString::fromStdString(digits[i])
                                                                      : findingValueText(g, precision);
        setRow(findings, row, {findingKindText(g.kind), value, multiplicityText(g), intervalEndText(g.lo),
                               intervalEndText(g.hi)});
    }
    subject->setText(about);
    summary->setText(certifiedSummary(result));
    showComparison(against);
}

void CertifiedWindow::showNothing(const QString& why) {
    stopProgress();
    findings->setRowCount(0);
    subject->clear();
    summary->setText(why);
    showComparison({});
}

// Closing the window while the work runs cancels it; the window only hides
// and opens again with the next command.
void CertifiedWindow::closeEvent(QCloseEvent* event) {
    if (running) emit cancelRequested();
    QWidget::closeEvent(event);
}

void CertifiedWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
