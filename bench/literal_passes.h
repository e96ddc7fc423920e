#pragma once
// The two passes done the slow, literal way, as the yardstick for the real ones: a one-character
// string per position from znak_tekstu, membership by searching a plain vector from its first
// entry with the case-insensitive comparison, and sorted insertion into that vector.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/collation.h"
#include "analysis/progress.h"
#include "analysis/working_text.h"

namespace difonik::bench {

class LiteralList {
public:
    explicit LiteralList(const Collation& collation) : collation_(&collation) {}

    // Index of the first entry equal to the text, searching from the first entry; or -1.
    int findExact(std::string_view text) const;
    // Inserts after the entries that do not sort above the text.
    void add(std::string_view text);

    int count() const { return int(entries_.size()); }
    const std::vector<std::string>& entries() const { return entries_; }

private:
    const Collation* collation_;
    std::vector<std::string> entries_;
};

void literalAlphabetPass(LiteralList& alphabet, const TextSource& source, ProgressIndicator& progress);

// Does nothing while the alphabet is empty, as the real pass refuses then.
void literalConnectionPass(const LiteralList& alphabet, LiteralList& connections,
                           const TextSource& source, ProgressIndicator& progress);

}  // namespace difonik::bench
