#pragma once
// Readable GoogleTest case names from the labels of a table of cases.

#include <cctype>
#include <ostream>
#include <string>

namespace difonik::test {

// "lone CR ends an entry" -> "lone_CR_ends_an_entry": GoogleTest accepts only letters, digits
// and underscores.
inline std::string caseName(const std::string& label) {
    std::string name;
    for (const char c : label) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

// For INSTANTIATE_TEST_SUITE_P over cases that have a `label`.
struct ByLabel {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return caseName(info.param.label);
    }
};

// Prints a case by its label in test listings, instead of its bytes. A test file brings it in with
// `using test::PrintTo;` beside its case types, where GoogleTest looks for it.
template <typename Case>
    requires requires(const Case& c) { c.label; }
void PrintTo(const Case& c, std::ostream* out) {
    *out << '"' << c.label << '"';
}

}  // namespace difonik::test
