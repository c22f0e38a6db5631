#pragma once
// UTF-8 text to the Windows-1252 bytes the data files hold. A character the code page lacks
// becomes its nearest form there: the character with as many of its accents as the code
// page has ("ā" → "a", "ấ" → "â"); one with no such form becomes "?". Counts both.

#include <string>
#include <string_view>

namespace pelvaron::pack {

class Windows1252Mapper {
 public:
  std::string Map(std::string_view utf8);

  // Characters replaced by a near form, and those of them that became "?".
  int mapped() const { return mapped_; }
  int unmappable() const { return unmappable_; }

 private:
  int mapped_ = 0;
  int unmappable_ = 0;
};

// The Windows-1252 byte of `c`, or -1 when the code page has none.
int Windows1252Byte(char32_t c);

}  // namespace pelvaron::pack
