#pragma once
// A symbol list of the core shown in a list view: each entry legible, with its check box. The
// check marks live in the core list; the view only shows and sets them.

#include "analysis/symbol_list.h"
#include "app/observed_list_model.h"

namespace difonik {

class SymbolListModel : public ObservedListModel<SymbolList> {
    Q_OBJECT
public:
    // Observes `list` until destruction; the list must outlive the model.
    explicit SymbolListModel(SymbolList& list, QObject* parent = nullptr) : ObservedListModel(list, parent) {}

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};

}  // namespace difonik
