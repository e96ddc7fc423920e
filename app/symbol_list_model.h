#pragma once
// A symbol list of the core shown in a list view: each entry legible, with its check box. The
// check marks live in the core list; the view only shows and sets them.

#include <QAbstractListModel>

#include "analysis/list_observer.h"
#include "analysis/symbol_list.h"

namespace difonik {

class SymbolListModel : public QAbstractListModel, private ListObserver {
    Q_OBJECT
public:
    // Observes `list` until destruction; the list must outlive the model.
    SymbolListModel(SymbolList& list, QObject* parent = nullptr);
    ~SymbolListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void beginInsert(int index) override;
    void endInsert() override;
    void beginRemove(int index) override;
    void endRemove() override;

    SymbolList& list_;
};

}  // namespace difonik
