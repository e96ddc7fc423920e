#include "app/sample_list_model.h"

#include "analysis/display_text.h"

namespace difonik {

SampleListModel::SampleListModel(SampleList& list, QObject* parent) : QAbstractListModel(parent), list_(list) {
    list_.setObserver(this);
}

SampleListModel::~SampleListModel() { list_.setObserver(nullptr); }

int SampleListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : list_.count(); }

QVariant SampleListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    if (role == Qt::DisplayRole) return QString::fromStdU16String(legibleEntry(list_.get(index.row())));
    return {};
}

Qt::ItemFlags SampleListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void SampleListModel::beginInsert(int index) { beginInsertRows(QModelIndex(), index, index); }
void SampleListModel::endInsert() { endInsertRows(); }
void SampleListModel::beginRemove(int index) { beginRemoveRows(QModelIndex(), index, index); }
void SampleListModel::endRemove() { endRemoveRows(); }

}  // namespace difonik
