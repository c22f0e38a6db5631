#pragma once
// The module-wide state of the add-in, as one object: what the connection loads and sets,
// what the menu buttons choose, and the host the insertions type into.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace pelvaron {

class DocumentOps;
class InMemoryFiles;
class InsertionFrame;

inline constexpr int kSurahCount = 114;

// One surah of surahindex.mtf.
struct SurahRecord {
  std::string SurahName;  // exactly 30 characters as stored (space padded), UTF-8
  int16_t VerseCount = 0;
  int16_t Extra = 0;  // loaded with the record, never read
};

struct ModuleState {
  // The folder that holds DataQuran; empty before the first successful connection.
  std::filesystem::path AppPath;
  // 1 = Arabic, translation and notes; 2 = Arabic only; 3 = translation and notes only.
  int16_t InsertMode = 0;
  // Entries 0..114; entry s is surah s, entry 0 stays empty.
  std::array<SurahRecord, kSurahCount + 1> SurahTable{};
  // Entries 0..114; the global verse number of verse k of surah s is VersePos[s] + k.
  std::array<int16_t, kSurahCount + 1> VersePos{};
  // The document the insertions type into: the running Word, or a sink of our own.
  std::shared_ptr<DocumentOps> Document;
  // The pack's font for the Arabic text (its settings file), empty when the pack names none.
  std::string ArabicFont;
  // What the host shows around each insertion (Word's undo record, status bar); may be null.
  std::shared_ptr<InsertionFrame> Frame;
  // When set, the data files are read from here rather than from the disk.
  std::shared_ptr<const InMemoryFiles> Files;

  // Checked readers: an index outside 0..114 is an index error.
  const SurahRecord& Surah(int index) const;
  int16_t VersePosOf(int index) const;

  // AppPath / kDataFolderName / name.
  std::filesystem::path DataFile(const std::string& name) const;
};

// The folder beside the program that holds the data files. Here, not with the formats in
// data/, because the module's state already resolves every data file's path.
inline constexpr std::string_view kDataFolderName = "DataQuran";

// `appFolder` / kDataFolderName / name: where every data file is read from.
std::filesystem::path DataFilePath(const std::filesystem::path& appFolder, std::string_view name);

// The surah's name without the padding at either end.
std::string TrimmedName(const SurahRecord& record);

}  // namespace pelvaron
