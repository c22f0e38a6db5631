#include "pack/group_store.hpp"

#include "data/format.hpp"
#include "module/error.hpp"
#include "module/text.hpp"
#include "pack/split_words.hpp"

namespace pelvaron::pack {

int GroupStore::Number(const std::string& text) {
  const auto [it, added] = numbers_.try_emplace(text, static_cast<int>(texts_.size()) + 1);
  if (added) {
    if (it->second > kMaxGroupNumber)
      throw Error(ErrorKind::Overflow, "more than " + std::to_string(kMaxGroupNumber) +
                                           " distinct words: \"" + DecodeWindows1252(text) +
                                           "\" has no number");
    texts_.push_back(text);
  }
  return it->second;
}

std::vector<int> GroupStore::Numbers(const std::string& text) {
  std::vector<int> groups;
  for (const std::string& word : SplitWords(text, " \t\r\n"))
    if (!word.empty()) groups.push_back(Number(word));
  return groups;
}

}  // namespace pelvaron::pack
