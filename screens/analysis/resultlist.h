// SPDX-License-Identifier: GPL-3.0-or-later
// 解リスト: the automatic analysis's results. Ten thousand fine-pass hits
// must list at once, so the list keeps the numbers and writes an entry's
// text only when it is shown, in rows of one height.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <vector>

class ResultModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void clear();
    // Entries listed as Int(v / precision) · precision.
    void append(const std::vector<double>& values, double precision);
    // The value an entry's text says: the cut one.
    double listedValue(int row) const;

private:
    struct Entry {
        double value;
        double precision;
    };
    std::vector<Entry> entries;
};

class QAction;

// Entries can be chosen several at a time (Shift, Ctrl, Ctrl+A) and copied
// one a line with Ctrl+C or the context menu, exactly as listed.
class ResultList : public QListView {
    Q_OBJECT

public:
    explicit ResultList(QWidget* parent);
    int count() const;
    QString text(int row) const;
    double listedValue(int row) const { return entries->listedValue(row); }
    void clear();
    void append(const std::vector<double>& values, double precision);

    // The chosen entries, or all of them, one a line in list order.
    QString selectedText() const;
    QString allText() const;

    QAction* copyAction;     // コピー
    QAction* copyAllAction;  // すべてコピー

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ResultModel* entries;
};
