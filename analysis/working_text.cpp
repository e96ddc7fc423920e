#include "analysis/working_text.h"

#include <ostream>

#include "analysis/errors.h"

namespace difonik {

WorkingText tekst;

void WorkingText::assign(std::string_view text) {
    // Copy before letting go of the lender: the text may be the lent bytes themselves.
    own_.assign(text);
    view_ = own_;
    lender_.reset();
}

void WorkingText::share(SharedText lent) noexcept {
    lender_ = std::move(lent.owner);
    view_ = lent.bytes;
    std::string().swap(own_);  // a copy as long as the text would only sit beside the lent bytes
}

void WorkingText::clear() noexcept {
    own_.clear();
    view_ = own_;
    lender_.reset();
}

std::ostream& operator<<(std::ostream& out, const WorkingText& text) { return out << text.view_; }

void snapshot(const TextSource& source) {
    if (std::optional<SharedText> lent = source.lendText()) {
        tekst.share(std::move(*lent));
    } else {
        tekst.assign(source.text());
    }
}

std::string znak_tekstu(std::int32_t position) {
    if (position < 1 || std::size_t(position) > tekst.size()) throw ERangeError();
    return std::string(1, static_cast<char>(lowerAscii(static_cast<unsigned char>(tekst[position - 1]))));
}

}  // namespace difonik
