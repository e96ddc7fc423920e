#include "bench/literal_passes.h"

#include <algorithm>
#include <cstdint>

#include "analysis/cp1250.h"

namespace difonik::bench {

int LiteralList::findExact(std::string_view text) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (cp1250::equalIgnoringCase(entries_[i], text)) return int(i);
    }
    return -1;
}

void LiteralList::add(std::string_view text) {
    const std::string key = collation_->key(text);
    const auto place = std::upper_bound(
        entries_.begin(), entries_.end(), key,
        [this](const std::string& newKey, const std::string& entry) { return newKey < collation_->key(entry); });
    entries_.insert(place, std::string(text));
}

void literalAlphabetPass(LiteralList& alphabet, const TextSource& source, ProgressIndicator& progress) {
    snapshot(source);
    const auto n = std::int32_t(tekst.size());
    progress.setMaximum(n);
    progress.setPosition(0);
    for (std::int32_t position = 1; position <= n; ++position) {
        const std::string c = znak_tekstu(position);
        if (alphabet.findExact(c) < 0 && !isSpace(c)) alphabet.add(c);
        progress.setPosition(position + 1);
    }
    progress.setPosition(0);
}

// Each character is fetched once per step and then tested; fetching it again for every test, as
// a word-for-word reading would, only makes the yardstick slower.
void literalConnectionPass(const LiteralList& alphabet, LiteralList& connections,
                           const TextSource& source, ProgressIndicator& progress) {
    if (alphabet.count() == 0) return;
    snapshot(source);
    const auto n = std::int32_t(tekst.size());
    progress.setMaximum(n);
    progress.setPosition(0);
    std::int32_t i = 1;
    while (i < n) {
        const std::string first = znak_tekstu(i);
        const std::string second = znak_tekstu(i + 1);
        if (!isSpace(first) && !isSpace(second) && alphabet.findExact(first) >= 0 &&
            alphabet.findExact(second) >= 0) {
            const std::string pair = first + second;
            ++i;
            if (connections.findExact(pair) < 0) connections.add(pair);
        }
        ++i;
        progress.setPosition(i);
    }
    progress.setPosition(0);
}

}  // namespace difonik::bench
