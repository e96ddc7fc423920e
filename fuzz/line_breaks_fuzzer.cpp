// Line-break normalisation of a loaded text, on any bytes: the result holds only CR LF breaks,
// normalising it again changes nothing, every other byte keeps its place in the order, and the
// result is what a byte-by-byte reading of the rule gives, whether it is made in a copy or in
// the loaded string itself.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/line_breaks.h"
#include "fuzz_check.h"

namespace {

// The rule read literally: CR LF, a lone CR and a lone LF each become CR LF.
std::string referenceNormalise(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            result += "\r\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

bool onlyPairedBreaks(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return true;
}

std::string withoutBreaks(std::string_view text) {
    std::string rest;
    for (const char byte : text)
        if (byte != '\r' && byte != '\n') rest += byte;
    return rest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string normalised = difonik::normaliseLineBreaks(text);

    FUZZ_CHECK(onlyPairedBreaks(normalised));
    FUZZ_CHECK(difonik::normaliseLineBreaks(normalised) == normalised);
    FUZZ_CHECK(withoutBreaks(normalised) == withoutBreaks(text));
    FUZZ_CHECK(normalised == referenceNormalise(text));
    if (text.find_first_of("\r\n") == std::string_view::npos) FUZZ_CHECK(normalised == text);

    // In place, with spare room from none to more than the text can grow by: the first byte
    // chooses how much, so that both the in-place and the copying way are reached.
    std::string loaded(text);
    loaded.reserve(text.size() + (size == 0 ? 0 : data[0] % 64) * text.size() / 32);
    difonik::normaliseLineBreaksInPlace(loaded);
    FUZZ_CHECK(loaded == normalised);
    return 0;
}
