#include "pack/split_words.hpp"

#include <algorithm>

namespace pelvaron::pack {

std::vector<std::string> SplitWords(std::string_view text, std::string_view separators) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t end = std::min(text.find_first_of(separators, pos), text.size());
    words.emplace_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  return words;
}

}  // namespace pelvaron::pack
