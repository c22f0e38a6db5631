#include "tests/support/data_writer.hpp"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace pelvaron::testing {

DataFolder::DataFolder(const std::filesystem::path& appPath) : dir_(appPath / "DataQuran") {
  std::filesystem::create_directories(dir_);
}

void DataFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write test file " + name);
}

void DataFolder::WriteSurahIndex(const std::vector<pack::SurahEntry>& surahs) const {
  std::vector<pack::SurahEntry> all = surahs;
  while (all.size() < 114) all.push_back({"Surah " + std::to_string(all.size() + 1), 0, 0});
  Write("surahindex.mtf", pack::EncodeSurahIndex(all));
}

void DataFolder::WritePositions(const std::vector<int>& versePos) const {
  std::vector<std::string> lines;
  for (int p : versePos) lines.push_back(std::to_string(p));
  Write("pos_depag.txt", pack::EncodeLines(lines));
}

void DataFolder::WriteArabicLines(const std::vector<std::string>& lines) const {
  Write("AQO2.TXT", pack::EncodeLines(lines));
}

void DataFolder::WritePair(const std::string& pair, const std::vector<std::string>& records) const {
  const auto bytes = pack::EncodeIndexedPair(records);
  Write(pair + ".idx", bytes.index);
  Write(pair + ".dat", bytes.data);
}

void DataFolder::WritePairRaw(const std::string& pair, const std::vector<int32_t>& entries,
                              const std::string& data) const {
  Write(pair + ".idx", pack::EncodeIndexEntries(entries));
  Write(pair + ".dat", data);
}

void DataFolder::WriteGroups(const std::vector<std::string>& texts) const { WritePair("GROUP_KATA", texts); }

void DataFolder::WriteGroupRecords(const std::string& pair, const std::vector<std::vector<int>>& records) const {
  std::vector<std::string> encoded;
  for (const auto& groups : records) encoded.push_back(pack::EncodeGroupNumbers(groups));
  WritePair(pair, encoded);
}

void WriteSmallPack(const DataFolder& folder, const std::vector<int>& verseCounts, const std::map<int, int>& notes) {
  std::vector<pack::SurahEntry> surahs;
  std::vector<int> positions;
  int total = 0;
  for (std::size_t s = 0; s < verseCounts.size(); ++s) {
    surahs.push_back({"Surah" + std::to_string(s + 1), static_cast<int16_t>(verseCounts[s]), 0});
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
    groups.push_back("word" + std::to_string(g) + (note != notes.end() ? "[" + std::to_string(note->second) + "]" : ""));
    verseRecords.push_back({g});
  }
  std::vector<std::vector<int>> noteRecords;
  int maxNote = 0;
  for (const auto& entry : notes) maxNote = std::max(maxNote, entry.second);
  if (maxNote > 0) groups.resize(10000 + static_cast<std::size_t>(maxNote), "");
  for (int n = 1; n <= maxNote; ++n) {
    groups[static_cast<std::size_t>(10000 + n - 1)] = "note " + std::to_string(n) + " text";
    noteRecords.push_back({10000 + n});
  }
  folder.WriteArabicLines(arabic);
  folder.WriteGroups(groups);
  folder.WriteGroupRecords("Ayat Per Kata", verseRecords);
  folder.WriteGroupRecords("Note Per Kata", noteRecords);
}

}  // namespace pelvaron::testing
