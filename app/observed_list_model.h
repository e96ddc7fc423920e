#pragma once
// A list model over a list of the core. The list reports each insertion and removal, one entry at
// a time, and the model passes it on to its views, so that a view never re-reads the whole list.

#include <QAbstractListModel>

#include "analysis/list_observer.h"

namespace difonik {

template <class List>
class ObservedListModel : public QAbstractListModel, private ListObserver {
public:
    ~ObservedListModel() override { list_.setObserver(nullptr); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : list_.count();
    }

protected:
    // Observes `list` until destruction; the list must outlive the model.
    ObservedListModel(List& list, QObject* parent) : QAbstractListModel(parent), list_(list) {
        list_.setObserver(this);
    }

    bool isRowOfThisList(const QModelIndex& index) const {
        return checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid);
    }

    List& list_;

private:
    void beginInsert(int index) override { beginInsertRows(QModelIndex(), index, index); }
    void endInsert() override { endInsertRows(); }
    void beginRemove(int index) override { beginRemoveRows(QModelIndex(), index, index); }
    void endRemove() override { endRemoveRows(); }
};

}  // namespace difonik
