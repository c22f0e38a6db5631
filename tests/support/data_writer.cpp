#include "tests/support/data_writer.hpp"

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string_view>

#include "data/format.hpp"
#include "module/state.hpp"

namespace pelvaron::testing {
namespace {

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on operator+ chains here.
std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) out += part;
  return out;
}

}  // namespace

DataFolder::DataFolder(const std::filesystem::path& appPath) : dir_(appPath / kDataFolderName) {
  std::filesystem::create_directories(dir_);
}

void DataFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write test file " + name);
}

void DataFolder::WriteSurahIndex(const std::vector<pack::SurahEntry>& surahs) const {
  std::vector<pack::SurahEntry> all = surahs;
  while (all.size() < static_cast<std::size_t>(kSurahCount))
    all.push_back({Joined({"Surah ", std::to_string(all.size() + 1)}), 0, 0});
  Write(std::string(kSurahIndexFile), pack::EncodeSurahIndex(all));
}

void DataFolder::WritePositions(const std::vector<int>& versePos) const {
  std::vector<std::string> lines;
  for (int p : versePos) lines.push_back(std::to_string(p));
  Write(std::string(kVersePositionsFile), pack::EncodeLines(lines));
}

void DataFolder::WriteArabicLines(const std::vector<std::string>& lines) const {
  Write(std::string(kArabicTextFile), pack::EncodeLines(lines));
}

void DataFolder::WritePair(const std::string& pair, const std::vector<std::string>& records) const {
  const auto bytes = pack::EncodeIndexedPair(records);
  Write(Joined({pair, kIndexExtension}), bytes.index);
  Write(Joined({pair, kDataExtension}), bytes.data);
}

void DataFolder::WritePairRaw(const std::string& pair, const std::vector<int32_t>& entries,
                              const std::string& data) const {
  Write(Joined({pair, kIndexExtension}), pack::EncodeIndexEntries(entries));
  Write(Joined({pair, kDataExtension}), data);
}

void DataFolder::WriteGroups(const std::vector<std::string>& texts) const {
  WritePair(std::string(kGroupTextsPair), texts);
}

void DataFolder::WriteGroupRecords(const std::string& pair,
                                   const std::vector<std::vector<int>>& records) const {
  std::vector<std::string> encoded;
  for (const auto& groups : records) encoded.push_back(pack::EncodeGroupNumbers(groups));
  WritePair(pair, encoded);
}

void WriteSmallPack(const DataFolder& folder, const std::vector<int>& verseCounts,
                    const std::map<int, int>& notes) {
  std::vector<pack::SurahEntry> surahs;
  std::vector<int> positions;
  int total = 0;
  for (std::size_t s = 0; s < verseCounts.size(); ++s) {
    surahs.push_back({Joined({"Surah", std::to_string(s + 1)}), static_cast<int16_t>(verseCounts[s]), 0});
    positions.push_back(total);
    total += verseCounts[s];
  }
  folder.WriteSurahIndex(surahs);
  folder.WritePositions(positions);

  std::vector<std::string> arabic;
  std::vector<std::string> groups;
  std::vector<std::vector<int>> verseRecords;
  for (int g = 1; g <= total; ++g) {
    std::vector<std::string> pieces;
    for (char digit : std::to_string(g)) pieces.push_back(pack::GlyphPieceText('1', 0x0660 + (digit - '0')));
    arabic.push_back(pack::ArabicLine({pieces}));
    const auto note = notes.find(g);
    const std::string marker = note != notes.end() ? Joined({"[", std::to_string(note->second), "]"}) : "";
    groups.push_back(Joined({"word", std::to_string(g), marker}));
    verseRecords.push_back({g});
  }
  std::vector<std::vector<int>> noteRecords;
  int maxNote = 0;
  for (const auto& entry : notes) maxNote = std::max(maxNote, entry.second);
  if (maxNote > 0) groups.resize(10000 + static_cast<std::size_t>(maxNote), "");
  for (int n = 1; n <= maxNote; ++n) {
    groups[static_cast<std::size_t>(10000 + n - 1)] = Joined({"note ", std::to_string(n), " text"});
    noteRecords.push_back({10000 + n});
  }
  folder.WriteArabicLines(arabic);
  folder.WriteGroups(groups);
  folder.WriteGroupRecords(std::string(kVerseWordsPair), verseRecords);
  folder.WriteGroupRecords(std::string(kNoteWordsPair), noteRecords);
}

}  // namespace pelvaron::testing
