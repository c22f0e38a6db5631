#include "data/latin_text.hpp"

#include "data/file_snapshots.hpp"
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
  const TextLines lines(state, name);
  return lines.Copy(0, lines.size());
}

}  // namespace

TextLines::TextLines(const ModuleState& state, std::string_view name)
    : file_(ReadOnlyFile(state.DataFile(std::string(name)), state.Files.get()).Whole()) {}

std::size_t TextLines::size() const { return file_->Lines().size(); }

std::vector<std::string> TextLines::Copy(std::size_t begin, std::size_t end) const {
  const std::vector<std::string_view>& all = file_->Lines();
  std::vector<std::string> lines(all.begin() + static_cast<std::ptrdiff_t>(begin),
                                 all.begin() + static_cast<std::ptrdiff_t>(end));
  if (begin == 0 && !lines.empty()) DropByteOrderMark(lines.front());
  return lines;
}

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
