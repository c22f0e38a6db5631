#include "pack/format_writer.hpp"

#include <algorithm>

#include "data/format.hpp"
#include "module/error.hpp"

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
    if (s.name.size() > static_cast<std::size_t>(kSurahNameSize))
      throw Error(ErrorKind::BadRecord,
                  "surah name longer than " + std::to_string(kSurahNameSize) + " bytes: " + s.name);
    out += s.name;
    out.append(kSurahNameSize - s.name.size(), ' ');
    AppendLittle16(out, s.verseCount);
    AppendLittle16(out, s.extra);
  }
  return out;
}

std::string EncodeLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += kLineEnd;
  }
  return out;
}

std::string EncodeIndexEntries(const std::vector<int32_t>& entries) {
  std::string out;
  for (int32_t entry : entries) {
    const auto bits = static_cast<uint32_t>(entry);
    for (int shift = 0; shift < 8 * kIndexEntrySize; shift += 8)
      out += static_cast<char>((bits >> shift) & 0xFF);
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
    if (g < 0 || g > kMaxGroupNumber)
      throw Error(ErrorKind::Overflow,
                  "group number " + std::to_string(g) + " outside 0.." + std::to_string(kMaxGroupNumber));
    out += static_cast<char>(g >> 8);
    out += static_cast<char>(g & 0xFF);
  }
  return out;
}

std::string EncodeSettings(const std::vector<std::pair<std::string, std::string>>& settings) {
  std::vector<std::string> lines;
  for (const auto& [key, value] : settings) {
    if (key.empty() || key.find_first_of("=\r\n") != std::string::npos ||
        value.find_first_of("\r\n") != std::string::npos)
      throw Error(ErrorKind::BadRecord, "setting \"" + key + "\" cannot be written as one Key=Value line");
    std::string line = key;
    line += '=';
    line += value;
    lines.push_back(std::move(line));
  }
  return EncodeLines(lines);
}

std::string GlyphPieceText(char selector, int32_t characterNumber) {
  std::string piece(1, selector);
  piece += kPieceSelectorEnd;
  piece += std::to_string(int64_t{characterNumber} + kGlyphOffset);
  return piece;
}

std::string ArabicLine(const std::vector<std::vector<std::string>>& wordsInTypingOrder) {
  std::string line;
  for (const auto& word : wordsInTypingOrder) {
    std::vector<std::string> stored(word.rbegin(), word.rend());
    for (std::size_t i = 0; i < stored.size(); ++i) {
      if (i > 0) line += kPieceSeparator;
      line += stored[i];
    }
    line += kWordMarker;
  }
  return line;
}

}  // namespace pelvaron::pack
