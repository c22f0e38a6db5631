#pragma once
// The DataQuran files' bytes, written (their layout: data/format.hpp). The pack builder
// makes a whole folder with these; the tests make small ones. Values a format cannot hold
// are a pelvaron::Error.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelvaron::pack {

struct SurahEntry {
  std::string name;  // Windows-1252 bytes, at most kSurahNameSize
  int16_t verseCount = 0;
  int16_t extra = 0;
};

// kSurahRecordSize-byte records: the name padded with spaces, then the two counts.
std::string EncodeSurahIndex(const std::vector<SurahEntry>& surahs);

// One value a line, each line ending in CR LF.
std::string EncodeLines(const std::vector<std::string>& lines);

// An index of 1-based start positions, closed by one entry past the data, and the records
// back to back.
struct IndexedPairBytes {
  std::string index;
  std::string data;
};
IndexedPairBytes EncodeIndexedPair(const std::vector<std::string>& records);

// Index entries as 32-bit little-endian values, as they are (for damaged indexes too).
std::string EncodeIndexEntries(const std::vector<int32_t>& entries);

// Group numbers as big-endian 16-bit values.
std::string EncodeGroupNumbers(const std::vector<int>& groups);

// The settings file: "Key=Value" lines in the order given. A key or value holding a line
// end, or a key holding "=", is an error.
std::string EncodeSettings(const std::vector<std::pair<std::string, std::string>>& settings);

// A glyph piece: selector, "|", character number + kGlyphOffset.
std::string GlyphPieceText(char selector, int32_t characterNumber);

// An AQO2.TXT line: each word's pieces (given in typing order) stored last first, joined by
// kPieceSeparator, each word closed by kWordMarker.
std::string ArabicLine(const std::vector<std::vector<std::string>>& wordsInTypingOrder);

}  // namespace pelvaron::pack
