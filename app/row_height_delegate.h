#pragma once
// Draws list entries as usual, in rows of a fixed height (13 pixels in the window's layout).

#include <QStyledItemDelegate>

namespace difonik {

class RowHeightDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    RowHeightDelegate(int rowHeight, QObject* parent = nullptr);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int rowHeight_;
};

}  // namespace difonik
