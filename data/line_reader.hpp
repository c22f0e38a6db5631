#pragma once
// Lines of a text data file, read in large blocks. A line ends at CR LF, or at a lone CR or
// LF (files copied between systems lose one or the other); a line end at the very end of
// the file does not start another line.

#include <cstdint>
#include <string>
#include <vector>

#include "data/read_only_file.hpp"

namespace pelvaron {

class LineReader {
 public:
  explicit LineReader(ReadOnlyFile& file, std::size_t blockSize = 64 * 1024);

  // The next line without its end; false when the file has no more bytes.
  bool Next(std::string& line);
  // Passes over up to `count` lines without keeping them; returns how many there were.
  int64_t Skip(int64_t count);
  // True when every byte of the file has been consumed.
  bool AtEnd();

 private:
  bool Fill();
  // Consumes one line; appends its text to `line` when given.
  bool Consume(std::string* line);

  ReadOnlyFile& file_;
  std::vector<char> block_;
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  bool pendingLf_ = false;  // a CR ended the last line; a following LF belongs to it
};

}  // namespace pelvaron
