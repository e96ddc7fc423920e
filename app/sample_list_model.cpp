#include "app/sample_list_model.h"

#include "analysis/display_text.h"

namespace difonik {

QVariant SampleListModel::data(const QModelIndex& index, int role) const {
    if (!isRowOfThisList(index)) return {};
    if (role == Qt::DisplayRole) return QString::fromStdU16String(legibleEntry(list_.get(index.row())));
    return {};
}

Qt::ItemFlags SampleListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace difonik
