#include "pack/format_writer.hpp"

#include <algorithm>
#include <stdexcept>

namespace pelvaron::pack {
namespace {

void AppendLittle16(std::string& out, int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  out += static_cast<char>(bits & 0xFF);
  out += static_cast<char>(bits >> 8);
}

}  // namespace

std::string EncodeSurahIndex(const std::vector<SurahEntry>& surahs) {
  std::string out;
  for (const SurahEntry& s : surahs) {
    if (s.name.size() > 30) throw std::invalid_argument("surah name longer than 30 bytes: " + s.name);
    out += s.name;
    out.append(30 - s.name.size(), ' ');
    AppendLittle16(out, s.verseCount);
    AppendLittle16(out, s.extra);
  }
  return out;
}

std::string EncodeLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

std::string EncodeIndexEntries(const std::vector<int32_t>& entries) {
  std::string out;
  for (int32_t entry : entries) {
    const auto bits = static_cast<uint32_t>(entry);
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((bits >> shift) & 0xFF);
  }
  return out;
}

IndexedPairBytes EncodeIndexedPair(const std::vector<std::string>& records) {
  IndexedPairBytes pair;
  std::vector<int32_t> starts;
  for (const std::string& record : records) {
    starts.push_back(static_cast<int32_t>(pair.data.size() + 1));
    pair.data += record;
  }
  // A closing entry past the last record: without it the record before the last would run
  // on to the end of the data file.
  starts.push_back(static_cast<int32_t>(pair.data.size() + 1));
  pair.index = EncodeIndexEntries(starts);
  return pair;
}

std::string EncodeGroupNumbers(const std::vector<int>& groups) {
  std::string out;
  for (int g : groups) {
    if (g < 0 || g > 32767) throw std::invalid_argument("group number outside 0..32767: " + std::to_string(g));
    out += static_cast<char>(g >> 8);
    out += static_cast<char>(g & 0xFF);
  }
  return out;
}

std::string GlyphPieceText(char selector, int32_t characterNumber) {
  return std::string(1, selector) + "|" + std::to_string(int64_t{characterNumber} + 4096);
}

std::string ArabicLine(const std::vector<std::vector<std::string>>& wordsInTypingOrder) {
  std::string line;
  for (const auto& word : wordsInTypingOrder) {
    std::vector<std::string> stored(word.rbegin(), word.rend());
    for (std::size_t i = 0; i < stored.size(); ++i) {
      if (i > 0) line += '_';
      line += stored[i];
    }
    line += "_6| _";
  }
  return line;
}

}  // namespace pelvaron::pack
