#include "app/row_height_delegate.h"

namespace difonik {

RowHeightDelegate::RowHeightDelegate(int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

QSize RowHeightDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

}  // namespace difonik
