// SPDX-License-Identifier: GPL-3.0-or-later
// The certified analysis's window: the findings in x order, a summary,
// and while the work runs a progress bar with キャンセル. It belongs to the
// analysis screen and goes with it.
#pragma once

#include <QTableWidget>
#include <QWidget>

#include "certified.h"
#include "certifiedsummary.h"

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

// Rows are chosen several at a time and copied as tab-separated lines,
// as the result list copies its entries.
class FindingTable : public QTableWidget {
    Q_OBJECT

public:
    explicit FindingTable(QWidget* parent);
    QString selectedText() const;
    QString allText() const;

    QAction* copyAction;     // コピー
    QAction* copyAllAction;  // すべてコピー

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString rowText(int row) const;
};

class CertifiedWindow : public QWidget {
    Q_OBJECT

public:
    explicit CertifiedWindow(QWidget* owner);

    // Work has begun: nothing of an earlier result stays.
    void showRunning();
    // The findings of F, range and precision named in `subject`, the
    // summary, and the comparison with the automatic analysis's list (no
    // rows when that list is of something else).
    // `digits` holds each finding's digits when they were asked for.
    void showResult(const core::Certified& result, double precision, const QString& subject,
                    const std::vector<ComparisonRow>& comparison, const std::vector<std::string>& digits = {});
    // The significant digits asked of each root; 0 for the precision's rounding.
    int digits() const;
    // The work was cancelled or its F is gone: nothing is shown.
    void showNothing(const QString& why);

    QLabel* subject = nullptr;
    QLabel* summary = nullptr;
    QWidget* legend = nullptr;  // a coloured mark and its name for each kind
    FindingTable* findings = nullptr;
    QTableWidget* comparison = nullptr;
    QSpinBox* digitsBox = nullptr;  // 桁数
    QProgressBar* progress = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* closeButton = nullptr;

signals:
    void cancelRequested();
    void digitsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window, as it would a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void stopProgress();
    void showComparison(const std::vector<ComparisonRow>& rows);

    QTimer* progressDelay = nullptr;
    bool running = false;
};
