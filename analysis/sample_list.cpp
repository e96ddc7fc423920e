#include "analysis/sample_list.h"

#include <climits>
#include <new>
#include <stdexcept>

#include "analysis/errors.h"

namespace difonik {

void SampleList::append(std::string_view text) {
    if (entries_.size() >= std::size_t(INT_MAX)) throw EOutOfResources();
    try {
        std::string entry(text);
        entries_.reserve(entries_.size() + 1);  // so that the view is told only of what succeeds
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
