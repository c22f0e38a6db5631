#include "data/surah_index.hpp"

#include <algorithm>
#include <string>
#include <string_view>

#include "data/line_reader.hpp"
#include "data/pack_settings.hpp"
#include "data/read_only_file.hpp"
#include "module/error.hpp"
#include "module/numeric.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

int16_t LittleEndian16(std::string_view bytes, std::size_t offset) {
  const auto lo = static_cast<unsigned char>(bytes[offset]);
  const auto hi = static_cast<unsigned char>(bytes[offset + 1]);
  return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

void LoadSurahRecords(ModuleState& state, const std::filesystem::path& path) {
  ReadOnlyFile file(path, state.Files.get());
  const int64_t wanted = int64_t{kSurahCount} * kSurahRecordSize;
  // One read for the whole table; a short file still loads the records it holds in full.
  const std::string bytes = file.ReadAt(0, std::min(wanted, file.size()));
  for (int s = 1; s <= kSurahCount; ++s) {
    const std::size_t offset = static_cast<std::size_t>(s - 1) * kSurahRecordSize;
    if (offset + kSurahRecordSize > bytes.size())
      throw Error(ErrorKind::PastEnd, file.name() + ": record " + std::to_string(s) +
                                          " lies past the end of the file (" + std::to_string(file.size()) +
                                          " bytes, " + std::to_string(kSurahCount) + " records of " +
                                          std::to_string(kSurahRecordSize) + " bytes needed)");
    const std::string_view record = std::string_view(bytes).substr(offset, kSurahRecordSize);
    SurahRecord& entry = state.SurahTable[static_cast<std::size_t>(s)];
    entry.SurahName = DecodeWindows1252(record.substr(0, kSurahNameSize));
    entry.VerseCount = LittleEndian16(record, kSurahNameSize);
    entry.Extra = LittleEndian16(record, kSurahNameSize + 2);
  }
}

void LoadVersePositions(ModuleState& state, const std::filesystem::path& path) {
  ReadOnlyFile file(path, state.Files.get());
  LineReader lines(file);
  std::string line;
  int n = 0;
  do {
    ++n;
    if (!lines.Next(line)) throw Error(ErrorKind::PastEnd, file.name() + ": the file is empty");
    if (n > kSurahCount)
      throw Error(ErrorKind::Index, file.name() + ": line " + std::to_string(n) +
                                        " is one more than the 114 surahs (an extra line end at the end?)");
    state.VersePos[static_cast<std::size_t>(n)] =
        ToInt16(NumberAtStart(line), file.name() + ": line " + std::to_string(n) + " value");
  } while (!lines.AtEnd());
}

}  // namespace

void LoadSurahIndex(ModuleState& state, const std::filesystem::path& appFolder) {
  LoadSurahRecords(state, DataFilePath(appFolder, kSurahIndexFile));
  LoadVersePositions(state, DataFilePath(appFolder, kVersePositionsFile));
  LoadPackSettings(state, appFolder);
}

void LoadModuleState(ModuleState& state, const std::filesystem::path& appFolder,
                     std::shared_ptr<const InMemoryFiles> files) {
  if (files) state.Files = std::move(files);
  LoadSurahIndex(state, appFolder);
  state.AppPath = appFolder;
}

}  // namespace pelvaron
