#pragma once
// Builds DataQuran folders for the tests, in the exact formats the readers take.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "pack/format_writer.hpp"

namespace pelvaron::testing {

class DataFolder {
 public:
  // Writes below appPath / "DataQuran", which it creates.
  explicit DataFolder(const std::filesystem::path& appPath);

  const std::filesystem::path& dir() const { return dir_; }
  std::filesystem::path file(const std::string& name) const { return dir_ / name; }

  void Write(const std::string& name, const std::string& bytes) const;

  // 114 records: the given surahs first, the rest named "Surah N" with no verses.
  void WriteSurahIndex(const std::vector<pack::SurahEntry>& surahs) const;
  void WritePositions(const std::vector<int>& versePos) const;
  void WriteArabicLines(const std::vector<std::string>& lines) const;
  void WritePair(const std::string& pair, const std::vector<std::string>& records) const;
  void WritePairRaw(const std::string& pair, const std::vector<int32_t>& entries,
                    const std::string& data) const;
  // GROUP_KATA from group texts (group 1 first).
  void WriteGroups(const std::vector<std::string>& texts) const;
  // "Ayat Per Kata" / "Note Per Kata" from group-number lists (record 1 first).
  void WriteGroupRecords(const std::string& pair, const std::vector<std::vector<int>>& records) const;

 private:
  std::filesystem::path dir_;
};

// A small consistent data set: surahs with the given verse counts, their verses numbered
// globally from 1. Verse g (global) has Arabic word "g" typed as symbols 0x0660+digit in
// "HQPB1"; its translation is group g with text "word<g>", and `notes` maps a global verse
// number to a note number its group text ends with as "[n]". Note n's text is group
// 10000 + n, "note <n> text".
void WriteSmallPack(const DataFolder& folder, const std::vector<int>& verseCounts,
                    const std::map<int, int>& notes = {});

}  // namespace pelvaron::testing
