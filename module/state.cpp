#include "module/state.hpp"

#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

void CheckSurahIndex(int index) {
  if (index < 0 || index > kSurahCount)
    throw Error(ErrorKind::Index, "surah " + std::to_string(index) + " is outside the surah table (0..114)");
}

}  // namespace

const SurahRecord& ModuleState::Surah(int index) const {
  CheckSurahIndex(index);
  return SurahTable[static_cast<std::size_t>(index)];
}

int16_t ModuleState::VersePosOf(int index) const {
  CheckSurahIndex(index);
  return VersePos[static_cast<std::size_t>(index)];
}

std::filesystem::path DataFilePath(const std::filesystem::path& appFolder, std::string_view name) {
  return appFolder / kDataFolderName / std::filesystem::path(name);
}

std::filesystem::path ModuleState::DataFile(const std::string& name) const {
  return DataFilePath(AppPath, name);
}

std::string TrimmedName(const SurahRecord& record) { return std::string(TrimSpaces(record.SurahName)); }

}  // namespace pelvaron
