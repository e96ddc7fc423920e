#pragma once
// The plain list of samples to record: entries in the order of appending, duplicates allowed.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/list_observer.h"

namespace difonik {

class SampleList {
public:
    // Appends at the end. Throws EOutOfResources when the list cannot take the entry.
    void append(std::string_view text);

    int count() const { return int(entries_.size()); }
    const std::string& get(int index) const { return entries_.at(std::size_t(index)); }
    const std::vector<std::string>& entries() const { return entries_; }

    // At most one observer; nullptr detaches it.
    void setObserver(ListObserver* observer) { observer_ = observer; }

private:
    std::vector<std::string> entries_;
    ListObserver* observer_ = nullptr;
};

}  // namespace difonik
