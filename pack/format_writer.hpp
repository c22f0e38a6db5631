#pragma once
// The byte formats of the DataQuran files, written. The pack builder makes a whole folder
// with these; the tests make small ones.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelvaron::pack {

struct SurahEntry {
  std::string name;  // Windows-1252 bytes, at most 30
  int16_t verseCount = 0;
  int16_t extra = 0;
};

// 34-byte records: the name padded with spaces to 30 bytes, then the two counts, little-endian.
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

// A glyph piece: selector, "|", character number + 4096.
std::string GlyphPieceText(char selector, int32_t characterNumber);

// An AQO2.TXT line: each word's pieces (given in typing order) stored last first, joined by
// "_", each word closed by the word marker.
std::string ArabicLine(const std::vector<std::vector<std::string>>& wordsInTypingOrder);

}  // namespace pelvaron::pack
