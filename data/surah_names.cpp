#include "data/surah_names.hpp"

#include "data/line_reader.hpp"
#include "data/read_only_file.hpp"
#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron {

std::array<std::string, kSurahCount + 1> ReadArabicSurahNames(const ModuleState& state) {
  ReadOnlyFile file(state.DataFile(std::string(kSurahNamesFile)), state.Files.get());
  LineReader lines(file);
  std::array<std::string, kSurahCount + 1> names;
  std::string line;
  for (int s = 1; s <= kSurahCount; ++s) {
    if (!lines.Next(line))
      throw Error(ErrorKind::PastEnd, file.name() + ": " + std::to_string(s - 1) + " names, 114 needed");
    if (s == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);  // a byte order mark from an editor
    const std::string_view name = TrimSpaces(line);
    if (name.empty())
      throw Error(ErrorKind::BadRecord, file.name() + ": line " + std::to_string(s) + " is empty");
    names[static_cast<std::size_t>(s)] = std::string(name);
  }
  return names;
}

}  // namespace pelvaron
