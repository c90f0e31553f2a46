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
#include <QTimer>
#include <QVBoxLayout>

#include "certifiedsummary.h"
#include "rowcopy.h"

namespace {

// Short work shows no progress at all; longer work shows it after this.
constexpr int progressDelayMs = 200;

}  // namespace

FindingTable::FindingTable(QWidget* parent)
    : QTableWidget(0, 4, parent),
      copyAction(new QAction(tr("コピー"), this)),
      copyAllAction(new QAction(tr("すべてコピー"), this)) {
    setHorizontalHeaderLabels({tr("種類"), tr("値"), tr("区間の下端"), tr("区間の上端")});
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
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
    summary = new QLabel(this);
    summary->setObjectName("要約");
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    comparison = new QLabel(this);
    comparison->setObjectName("比較");
    comparison->setWordWrap(true);
    comparison->setTextInteractionFlags(Qt::TextSelectableByMouse);
    findings = new FindingTable(this);
    findings->setObjectName("所見");
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
    layout->addWidget(summary);
    layout->addWidget(comparison);
    layout->addWidget(findings, 1);
    layout->addLayout(progressRow);
    progressDelay = new QTimer(this);
    progressDelay->setSingleShot(true);
    progressDelay->setInterval(progressDelayMs);
    connect(progressDelay, &QTimer::timeout, this, [this] {
        progress->show();
        cancelButton->show();
    });
    stopProgress();
    resize(560, 320);
}

void CertifiedWindow::stopProgress() {
    running = false;
    progressDelay->stop();
    progress->hide();
    cancelButton->hide();
}

void CertifiedWindow::showRunning() {
    findings->setRowCount(0);
    summary->setText(tr("解析中..."));
    comparison->clear();
    comparison->hide();
    running = true;
    progressDelay->start();
    show();
    raise();
}

void CertifiedWindow::showResult(const core::Certified& result, double precision, const QString& against) {
    stopProgress();
    findings->setRowCount(static_cast<int>(result.findings.size()));
    int row = 0;
    for (const core::Finding& g : result.findings) {
        const QString cells[] = {findingKindText(g.kind), findingValueText(g, precision), intervalEndText(g.lo),
                                 intervalEndText(g.hi)};
        for (int column = 0; column < 4; ++column) findings->setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
    summary->setText(certifiedSummary(result));
    comparison->setText(against);
    comparison->setVisible(!against.isEmpty());
}

void CertifiedWindow::showNothing(const QString& why) {
    stopProgress();
    findings->setRowCount(0);
    summary->setText(why);
    comparison->clear();
    comparison->hide();
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
