#pragma once
// The sample list of the core shown in a list view, each entry legible.

#include <QAbstractListModel>

#include "analysis/list_observer.h"
#include "analysis/sample_list.h"

namespace difonik {

class SampleListModel : public QAbstractListModel, private ListObserver {
    Q_OBJECT
public:
    // Observes `list` until destruction; the list must outlive the model.
    SampleListModel(SampleList& list, QObject* parent = nullptr);
    ~SampleListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void beginInsert(int index) override;
    void endInsert() override;
    void beginRemove(int index) override;
    void endRemove() override;

    SampleList& list_;
};

}  // namespace difonik
