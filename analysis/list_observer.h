#pragma once
// How a list tells a view what changed, one entry at a time, so that the view never re-reads the
// whole list after a change. The calls bracket the change, in the manner of Qt's item models.

namespace difonik {

class ListObserver {
public:
    virtual ~ListObserver() = default;
    virtual void beginInsert(int index) = 0;
    virtual void endInsert() = 0;
    virtual void beginRemove(int index) = 0;
    virtual void endRemove() = 0;
};

}  // namespace difonik
