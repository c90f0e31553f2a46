#include "resultlist.h"

#include "core.h"
#include "numbertext.h"

int ResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries.size());
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const Entry& e = entries[static_cast<std::size_t>(index.row())];
    return QString::fromStdString(generalNumberText(core::cut(e.value, e.precision)));
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

ResultList::ResultList(QWidget* parent) : QListView(parent), entries(new ResultModel(this)) {
    setModel(entries);
    setUniformItemSizes(true);  // ten thousand rows need no measuring each
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ResultList::count() const { return entries->rowCount(); }

QString ResultList::text(int row) const { return entries->data(entries->index(row), Qt::DisplayRole).toString(); }

void ResultList::clear() { entries->clear(); }

void ResultList::append(const std::vector<double>& values, double precision) { entries->append(values, precision); }
