#pragma once
// The word-group store behind GROUP_KATA: each distinct text once, numbered from 1 in order
// of first use.

#include <string>
#include <unordered_map>
#include <vector>

namespace pelvaron::pack {

class GroupStore {
 public:
  // The number of `text` (Windows-1252), given it a new one on first use. Past
  // kMaxGroupNumber distinct texts is an overflow error.
  int Number(const std::string& text);
  // Windows-1252 words of `text`, blanks between them dropped, as group numbers.
  std::vector<int> Numbers(const std::string& text);
  // Group n's text at n - 1.
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  std::unordered_map<std::string, int> numbers_;
  std::vector<std::string> texts_;
};

}  // namespace pelvaron::pack
