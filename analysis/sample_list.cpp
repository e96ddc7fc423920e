#include "analysis/sample_list.h"

#include <algorithm>
#include <climits>
#include <new>
#include <stdexcept>

#include "analysis/errors.h"

namespace difonik {

void SampleList::append(std::string_view text) {
    if (entries_.size() >= std::size_t(INT_MAX)) throw EOutOfResources();
    try {
        std::string entry(text);
        // Room first, so that the view is told only of what succeeds; grown by doubling, since
        // growing by one entry per append would copy the whole list every time.
        if (entries_.size() == entries_.capacity()) entries_.reserve(std::max<std::size_t>(16, entries_.capacity() * 2));
        if (observer_ != nullptr) observer_->beginInsert(count());
        entries_.push_back(std::move(entry));
        if (observer_ != nullptr) observer_->endInsert();
    } catch (const std::bad_alloc&) {
        throw EOutOfResources();
    } catch (const std::length_error&) {
        throw EOutOfResources();
    }
}

}  // namespace difonik
