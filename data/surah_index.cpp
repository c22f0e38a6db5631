#include "data/surah_index.hpp"

#include <string>

#include "data/line_reader.hpp"
#include "data/read_only_file.hpp"
#include "module/error.hpp"
#include "module/numeric.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

int16_t LittleEndian16(const std::string& bytes, std::size_t offset) {
  const auto lo = static_cast<unsigned char>(bytes[offset]);
  const auto hi = static_cast<unsigned char>(bytes[offset + 1]);
  return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

void LoadSurahRecords(ModuleState& state, const std::filesystem::path& path) {
  ReadOnlyFile file(path);
  for (int s = 1; s <= kSurahCount; ++s) {
    const int64_t offset = int64_t{s - 1} * kSurahRecordSize;
    if (offset + kSurahRecordSize > file.size())
      throw Error(ErrorKind::PastEnd, file.name() + ": record " + std::to_string(s) + " lies past the end of the file (" +
                                          std::to_string(file.size()) + " bytes, 114 records of 34 bytes needed)");
    const std::string record = file.ReadAt(offset, kSurahRecordSize);
    SurahRecord& entry = state.SurahTable[static_cast<std::size_t>(s)];
    entry.SurahName = DecodeWindows1252(std::string_view(record).substr(0, 30));
    entry.VerseCount = LittleEndian16(record, 30);
    entry.Extra = LittleEndian16(record, 32);
  }
}

void LoadVersePositions(ModuleState& state, const std::filesystem::path& path) {
  ReadOnlyFile file(path);
  LineReader lines(file);
  std::string line;
  int n = 0;
  do {
    ++n;
    if (!lines.Next(line)) throw Error(ErrorKind::PastEnd, file.name() + ": the file is empty");
    if (n > kSurahCount)
      throw Error(ErrorKind::Index,
                  file.name() + ": line " + std::to_string(n) + " is one more than the 114 surahs (an extra line end at the end?)");
    state.VersePos[static_cast<std::size_t>(n)] =
        ToInt16(TextValue(line), file.name() + ": line " + std::to_string(n) + " value");
  } while (!lines.AtEnd());
}

}  // namespace

void LoadSurahIndex(ModuleState& state, const std::filesystem::path& appFolder) {
  LoadSurahRecords(state, appFolder / "DataQuran" / "surahindex.mtf");
  LoadVersePositions(state, appFolder / "DataQuran" / "pos_depag.txt");
}

}  // namespace pelvaron
