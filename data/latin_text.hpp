#pragma once
// Reading latin.txt (its layout: data/format.hpp).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/format.hpp"  // kLatinFile, kLatinJoinedFile
#include "module/state.hpp"

namespace pelvaron {

class FileSnapshot;

// The lines of a UTF-8 text file of the pack (latin.txt, latinjoined.txt), read whole once:
// the bytes the thread's DataFileScope keeps, or read here. A missing file is an error
// naming it.
class TextLines {
 public:
  TextLines(const ModuleState& state, std::string_view name);

  std::size_t size() const;
  // Lines [begin, end) without their ends; the file's first line loses a byte order mark.
  std::vector<std::string> Copy(std::size_t begin, std::size_t end) const;

 private:
  std::shared_ptr<const FileSnapshot> file_;
};

// The Latin of one verse. A missing file, or one that ends before the verse, is an error
// naming the file (and the line).
std::string ReadLatinLine(const ModuleState& state, int16_t surah, int16_t verse);

// Every line of the file: entry n - 1 is global verse n.
std::vector<std::string> ReadLatinLines(const ModuleState& state);

// The lines of latinjoined.txt; none when the pack lacks the file.
std::vector<std::string> ReadLatinJoinedWords(const ModuleState& state);

}  // namespace pelvaron
