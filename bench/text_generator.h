#pragma once
// Generated texts for the benchmarks: deterministic for a given seed, in Windows-1250, with lines
// separated by CR LF as the text area gives them to a pass.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace difonik::bench {

// Polish-like prose of exactly `size` bytes: words made of syllables (with ą ć ę ł ń ó ś ź ż and
// their capitals), single spaces, CR LF after every 60 to 100 bytes of a line, capitals after a
// sentence end and now and then inside one, numbers, and punctuation. No byte is 0.
std::string polishLikeText(std::size_t size, std::uint64_t seed = 1);

// Exactly `size` bytes in which every byte value from 1 to 255 stands next to many others, so that
// a connection pass meets nearly every pair of them. Random bytes in lines of 60 to 100 bytes;
// CR (13) and LF (10) come only as the CR LF line break, so the text keeps its bytes through a
// text area that normalises line breaks.
std::string everyByteText(std::size_t size, std::uint64_t seed = 1);

// `count` distinct two-byte texts from the bytes 1..255, shuffled with a fixed seed. Fewer than
// 36,000 of them differ under the lists' case-insensitive equality; a symbol list takes the rest as
// duplicates, as it does for entries added by hand.
std::vector<std::string> shuffledBytePairs(std::size_t count);

}  // namespace difonik::bench
