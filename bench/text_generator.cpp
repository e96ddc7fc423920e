#include "bench/text_generator.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <random>
#include <string_view>
#include <vector>

#include "analysis/cp1250.h"

namespace difonik::bench {
namespace {

// std::mt19937_64 is specified to the bit, and the reduction below is ours, so a seed gives the
// same text with every standard library (std::uniform_int_distribution would not).
class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    std::uint64_t next() { return engine_(); }
    // A number in [0, n), from the upper half of a draw.
    std::uint32_t below(std::uint32_t n) { return std::uint32_t(((next() >> 32) * n) >> 32); }
    std::uint32_t between(std::uint32_t low, std::uint32_t high) { return low + below(high - low + 1); }

private:
    std::mt19937_64 engine_;
};

// Lines hold 60 to 100 bytes before their CR LF.
constexpr std::uint32_t kShortestLine = 60;
constexpr std::uint32_t kLongestLine = 100;

// The pieces are written in Unicode and converted once, so that the Polish letters come out as
// the code page has them.
constexpr std::array<std::u16string_view, 50> kOnsets = {
    u"",   u"b",  u"c",  u"ch", u"cz", u"d",  u"dz",   u"dź", u"g",  u"h",  u"j",  u"k",  u"l",
    u"ł",  u"m",  u"n",  u"p",  u"r",  u"rz", u"s",    u"sz", u"ś",  u"t",  u"w",  u"z",  u"ź",
    u"ż",  u"ć",  u"ń",  u"st", u"pr", u"kr", u"tr",   u"gr", u"sk", u"zw", u"pł", u"gł", u"kł",
    u"f",  u"wi", u"mi", u"ni", u"bi", u"pi", u"szcz", u"si", u"zi", u"ci", u"dzi"};
constexpr std::array<std::u16string_view, 15> kNuclei = {
    u"a", u"e", u"i", u"o", u"u", u"y", u"ą", u"ę", u"ó", u"ie", u"ia", u"io", u"a", u"e", u"o"};
constexpr std::array<std::u16string_view, 20> kCodas = {
    u"",  u"",  u"",  u"",  u"n", u"m",  u"ł",  u"ś",  u"ć", u"ń",
    u"k", u"r", u"j", u"ż", u"ź", u"st", u"sz", u"cz", u"s", u"t"};
constexpr std::array<std::u16string_view, 16> kShortWords = {
    u"i",  u"w",   u"z",   u"a",  u"o",   u"na",  u"do",  u"się",
    u"nie", u"że", u"to", u"jak", u"ale", u"już", u"przez", u"był"};

constexpr std::uint32_t kVocabularySize = 4096;

struct Word {
    std::string small;
    std::string capitalised;
};

Word wordFrom(std::u16string unicode) {
    Word word;
    word.small = cp1250::fromUtf16(unicode);
    unicode[0] = static_cast<char16_t>(u_toupper(unicode[0]));
    word.capitalised = cp1250::fromUtf16(unicode);
    return word;
}

std::u16string syllable(Random& random) {
    std::u16string result(kOnsets[random.below(kOnsets.size())]);
    result += kNuclei[random.below(kNuclei.size())];
    result += kCodas[random.below(kCodas.size())];
    return result;
}

// Mostly two syllables, as in Polish prose: 1 to 4 in the proportions 3 : 4 : 2 : 1.
std::uint32_t syllableCount(Random& random) {
    constexpr std::array<std::uint32_t, 10> kCounts = {1, 1, 1, 2, 2, 2, 2, 3, 3, 4};
    return kCounts[random.below(kCounts.size())];
}

// The short words first: the skewed choice in ProseWriter picks low indexes most often.
std::vector<Word> vocabulary(Random& random) {
    std::vector<Word> words;
    words.reserve(kVocabularySize);
    for (std::u16string_view shortWord : kShortWords) words.push_back(wordFrom(std::u16string(shortWord)));
    while (words.size() < kVocabularySize) {
        std::u16string word;
        const std::uint32_t syllables = syllableCount(random);
        for (std::uint32_t s = 0; s < syllables; ++s) word += syllable(random);
        words.push_back(wordFrom(std::move(word)));
    }
    return words;
}

// Writes tokens (a word or a number, perhaps with punctuation) separated by a space or, once the
// line is long enough, by CR LF. Tokens stay below 40 bytes, so a line that is below 60 bytes can
// always take one more and stay within 100.
class ProseWriter {
public:
    ProseWriter(std::size_t size, std::uint64_t seed)
        : size_(size), random_(seed), words_(vocabulary(random_)), lineTarget_(nextLineTarget()) {
        out_.reserve(size + 64);
    }

    std::string take() && {
        while (out_.size() < size_) place(nextToken());
        out_.resize(size_);
        // The cut may fall between CR and LF; a lone CR would be a line break of another kind.
        if (!out_.empty() && out_.back() == '\r') out_.back() = '.';
        return std::move(out_);
    }

private:
    std::uint32_t nextLineTarget() { return random_.between(kShortestLine, kLongestLine); }

    const std::string& pickWord(bool capital) {
        // The product of two uniform draws favours the first words, as real prose favours its
        // common words.
        const std::uint64_t draw = random_.next();
        const auto index = std::uint32_t((((draw >> 32) * (draw & 0xFFFFFFFF)) >> 32) * kVocabularySize >> 32);
        const Word& word = words_[index];
        return capital ? word.capitalised : word.small;
    }

    std::string_view nextToken() {
        token_.clear();
        const std::uint64_t dice = random_.next();
        const auto roll = [&](int shift) { return unsigned(dice >> shift) & 0xFF; };
        const bool quoted = roll(0) < 2;
        if (quoted) token_ += '\x84';  // „
        if (roll(8) < 8) {
            appendNumber();
        } else if (roll(8) < 12) {
            token_ += '\x96';  // –, a dash standing between words
        } else {
            token_ += pickWord(sentenceStart_ || roll(16) < 6);
        }
        if (quoted) token_ += '\x94';  // ”
        sentenceStart_ = false;
        appendPunctuation(roll(24), roll(32));
        return token_;
    }

    void appendNumber() {
        const std::uint32_t digits = random_.between(1, 4);
        for (std::uint32_t d = 0; d < digits; ++d) token_ += char('0' + random_.below(10));
    }

    void appendPunctuation(unsigned roll, unsigned which) {
        if (roll < 18) {
            token_ += ',';
        } else if (roll < 34) {
            constexpr std::string_view kEnds = "......?!";
            token_ += kEnds[which % kEnds.size()];
            sentenceStart_ = true;
        } else if (roll < 37) {
            token_ += which % 2 == 0 ? ';' : ':';
        }
    }

    void place(std::string_view token) {
        if (lineLength_ > 0) {
            if (lineLength_ >= kShortestLine && lineLength_ + 1 + token.size() > lineTarget_) {
                out_ += "\r\n";
                lineLength_ = 0;
                lineTarget_ = nextLineTarget();
            } else {
                out_ += ' ';
                ++lineLength_;
            }
        }
        out_ += token;
        lineLength_ += token.size();
    }

    std::size_t size_;
    Random random_;
    std::vector<Word> words_;
    std::string out_;
    std::string token_;
    std::size_t lineLength_ = 0;
    std::size_t lineTarget_;
    bool sentenceStart_ = true;
};

// Every byte but 0, and CR and LF, which only the line break brings.
std::array<char, 253> scatteredBytes() {
    std::array<char, 253> bytes{};
    std::size_t next = 0;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n') bytes[next++] = static_cast<char>(byte);
    }
    return bytes;
}

}  // namespace

std::string polishLikeText(std::size_t size, std::uint64_t seed) {
    return ProseWriter(size, seed).take();
}

std::string everyByteText(std::size_t size, std::uint64_t seed) {
    static const std::array<char, 253> bytes = scatteredBytes();
    Random random(seed);
    std::string out(size, '\0');
    std::size_t at = 0;
    while (at < size) {
        const std::size_t lineEnd = std::min(size, at + random.between(kShortestLine, kLongestLine));
        // Eight bytes from each draw, one byte of it each, scaled onto the table.
        while (at < lineEnd) {
            std::uint64_t draw = random.next();
            for (int k = 0; k < 8 && at < lineEnd; ++k, draw >>= 8) {
                out[at++] = bytes[((draw & 0xFF) * bytes.size()) >> 8];
            }
        }
        for (char breakByte : {'\r', '\n'}) {
            if (at < size) out[at++] = breakByte;
        }
    }
    if (size > 0 && out.back() == '\r') out.back() = '.';
    return out;
}

std::vector<std::string> shuffledBytePairs(std::size_t count) {
    std::vector<std::string> pairs;
    pairs.reserve(255 * 255);
    for (int first = 1; first < 256; ++first) {
        for (int second = 1; second < 256; ++second) pairs.push_back({char(first), char(second)});
    }
    std::mt19937_64 random(1);
    std::shuffle(pairs.begin(), pairs.end(), random);
    pairs.resize(std::min(count, pairs.size()));
    return pairs;
}

}  // namespace difonik::bench
