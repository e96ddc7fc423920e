#pragma once
// The sample list of the core shown in a list view, each entry legible.

#include "analysis/sample_list.h"
#include "app/observed_list_model.h"

namespace difonik {

class SampleListModel : public ObservedListModel<SampleList> {
    Q_OBJECT
public:
    // Observes `list` until destruction; the list must outlive the model.
    explicit SampleListModel(SampleList& list, QObject* parent = nullptr) : ObservedListModel(list, parent) {}

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};

}  // namespace difonik
