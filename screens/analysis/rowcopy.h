// SPDX-License-Identifier: GPL-3.0-or-later
// What the result list and the certified findings share when their rows
// are copied: the chosen rows in row order, every row, and the context menu.
#pragma once

#include <QString>
#include <functional>

class QAction;
class QItemSelectionModel;
class QPoint;
class QWidget;

using RowText = std::function<QString(int row)>;

// The chosen rows, one a line, in row order.
QString chosenRowsText(const QItemSelectionModel* selection, const RowText& rowText);
// Every one of `count` rows, one a line.
QString allRowsText(int count, const RowText& rowText);
// コピー and すべてコピー at `at`, each enabled when it has something to copy.
void showCopyMenu(QWidget* owner, const QPoint& at, const QItemSelectionModel* selection, QAction* copy,
                  QAction* copyAll, int count);
