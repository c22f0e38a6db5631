#include "data/latin_text.hpp"

#include "data/in_memory_files.hpp"
#include "data/line_reader.hpp"
#include "data/read_only_file.hpp"
#include "module/error.hpp"

namespace pelvaron {
namespace {

void DropByteOrderMark(std::string& line) {
  if (line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);  // from an editor
}

std::vector<std::string> ReadAllLines(const ModuleState& state, std::string_view name) {
  ReadOnlyFile file(state.DataFile(std::string(name)), state.Files.get());
  LineReader lines(file);
  std::vector<std::string> all;
  for (std::string line; lines.Next(line);) all.push_back(line);
  if (!all.empty()) DropByteOrderMark(all.front());
  return all;
}

}  // namespace

std::string ReadLatinLine(const ModuleState& state, int16_t surah, int16_t verse) {
  const int64_t number = int64_t{state.VersePosOf(surah)} + verse;
  ReadOnlyFile file(state.DataFile(std::string(kLatinFile)), state.Files.get());
  LineReader lines(file);
  std::string line;
  if (number < 1 || lines.Skip(number - 1) != number - 1 || !lines.Next(line))
    throw Error(ErrorKind::PastEnd, file.name() + ": no line " + std::to_string(number) + " (surah " +
                                        std::to_string(surah) + " verse " + std::to_string(verse) + ")");
  if (number == 1) DropByteOrderMark(line);
  return line;
}

std::vector<std::string> ReadLatinLines(const ModuleState& state) { return ReadAllLines(state, kLatinFile); }

std::vector<std::string> ReadLatinJoinedWords(const ModuleState& state) {
  const std::filesystem::path path = state.DataFile(std::string(kLatinJoinedFile));
  const bool present = state.Files ? state.Files->Find(path) != nullptr : std::filesystem::exists(path);
  return present ? ReadAllLines(state, kLatinJoinedFile) : std::vector<std::string>{};
}

}  // namespace pelvaron
