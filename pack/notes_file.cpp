#include "pack/notes_file.hpp"

#include <fstream>

#include "data/format.hpp"
#include "module/error.hpp"

namespace pelvaron::pack {

std::map<int, std::string> ReadNotesFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error(ErrorKind::File, path.string() + ": cannot be opened");
  std::map<int, std::string> notes;
  std::string line;
  for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::string where = path.string();
    where += " line ";
    where += std::to_string(lineNumber);
    const std::size_t tab = line.find('\t');
    const std::string number = line.substr(0, tab);
    if (tab == std::string::npos || number.empty() || number.size() > 5 ||
        number.find_first_not_of("0123456789") != std::string::npos)
      throw Error(ErrorKind::BadRecord, where + ": not a note number, a tab and the note's text");
    const int note = std::stoi(number);
    if (note < 1 || note > kMaxNoteNumber)
      throw Error(ErrorKind::Overflow,
                  where + ": note " + number + " outside 1 to " + std::to_string(kMaxNoteNumber));
    if (!notes.emplace(note, line.substr(tab + 1)).second)
      throw Error(ErrorKind::BadRecord, where + ": note " + number + " given twice");
  }
  return notes;
}

}  // namespace pelvaron::pack
