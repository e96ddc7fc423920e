#include "app/symbol_list_model.h"

#include "analysis/display_text.h"

namespace difonik {

QVariant SymbolListModel::data(const QModelIndex& index, int role) const {
    if (!isRowOfThisList(index)) return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdU16String(legibleEntry(list_.get(index.row())));
    case Qt::CheckStateRole:
        return list_.ticked(index.row()) ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool SymbolListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole) return false;
    if (!isRowOfThisList(index)) return false;
    const bool ticked = value.value<Qt::CheckState>() == Qt::Checked;
    if (list_.ticked(index.row()) == ticked) return true;
    list_.setTicked(index.row(), ticked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags SymbolListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

}  // namespace difonik
