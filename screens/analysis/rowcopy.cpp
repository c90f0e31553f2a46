// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowcopy.h"

#include <QItemSelectionModel>
#include <QMenu>
#include <QStringList>
#include <algorithm>

QString chosenRowsText(const QItemSelectionModel* selection, const RowText& rowText) {
    QModelIndexList chosen = selection->selectedRows();
    std::sort(chosen.begin(), chosen.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& index : chosen) lines << rowText(index.row());
    return lines.join('\n');
}

QString allRowsText(int count, const RowText& rowText) {
    QStringList lines;
    lines.reserve(count);
    for (int row = 0; row < count; ++row) lines << rowText(row);
    return lines.join('\n');
}

void showCopyMenu(QWidget* owner, const QPoint& at, const QItemSelectionModel* selection, QAction* copy,
                  QAction* copyAll, int count) {
    copy->setEnabled(selection->hasSelection());
    copyAll->setEnabled(count > 0);
    QMenu menu(owner);
    menu.addAction(copy);
    menu.addAction(copyAll);
    menu.exec(at);
}
