// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultlist.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include "core.h"
#include "numbertext.h"
#include "rowcopy.h"

int ResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries.size());
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const Entry& e = entries[static_cast<std::size_t>(index.row())];
    return QString::fromStdString(generalNumberText(core::cut(e.value, e.precision)));
}

double ResultModel::listedValue(int row) const {
    const Entry& e = entries.at(static_cast<std::size_t>(row));
    return core::cut(e.value, e.precision);
}

void ResultModel::clear() {
    beginResetModel();
    entries.clear();
    endResetModel();
}

void ResultModel::append(const std::vector<double>& values, double precision) {
    if (values.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(values.size()) - 1);
    entries.reserve(entries.size() + values.size());
    for (double v : values) entries.push_back({v, precision});
    endInsertRows();
}

ResultList::ResultList(QWidget* parent)
    : QListView(parent),
      copyAction(new QAction(tr("コピー"), this)),
      copyAllAction(new QAction(tr("すべてコピー"), this)),
      entries(new ResultModel(this)) {
    setModel(entries);
    setUniformItemSizes(true);  // ten thousand rows need no measuring each
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    copyAction->setObjectName("コピー");
    copyAllAction->setObjectName("すべてコピー");
    connect(copyAction, &QAction::triggered, this,
            [this] {
                // Nothing chosen: what the user copied before stays on the clipboard.
                if (selectionModel()->hasSelection()) QApplication::clipboard()->setText(selectedText());
            });
    connect(copyAllAction, &QAction::triggered, this, [this] {
        if (count() > 0) QApplication::clipboard()->setText(allText());
    });
}

QString ResultList::selectedText() const {
    return chosenRowsText(selectionModel(), [this](int row) { return text(row); });
}

QString ResultList::allText() const {
    return allRowsText(count(), [this](int row) { return text(row); });
}

void ResultList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyAction->trigger();
        return;
    }
    QListView::keyPressEvent(event);
}

void ResultList::contextMenuEvent(QContextMenuEvent* event) {
    showCopyMenu(this, event->globalPos(), selectionModel(), copyAction, copyAllAction, count());
}

int ResultList::count() const { return entries->rowCount(); }

QString ResultList::text(int row) const { return entries->data(entries->index(row), Qt::DisplayRole).toString(); }

void ResultList::clear() { entries->clear(); }

void ResultList::append(const std::vector<double>& values, double precision) { entries->append(values, precision); }
