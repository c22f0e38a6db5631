#pragma once
// Typo tolerance: the words of a vocabulary within one or two edits (a letter changed, added,
// dropped, or two neighbours swapped) of a query word.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelvaron::search {

// How many edits a word of `letters` letters may differ by: none below 5, 1 for 5 to 7, 2 from 8.
int AllowedEdits(std::size_t letters);

// Runs the Levenshtein automaton (as its dynamic-programming rows, transpositions included)
// over the vocabulary as a trie: words in sorted order share the rows of their common prefix,
// and a prefix whose row is out of reach skips every word that starts with it, so a lookup
// visits only the part of the vocabulary near the word.
class NearWords {
 public:
  // `sortedWords` ascending in UTF-8 byte order (which is code point order).
  void Build(const std::vector<std::string>& sortedWords);
  // found(index in sortedWords, edits) for every word within `maxEdits` of `word`, itself included.
  void Find(std::u32string_view word, int maxEdits, const std::function<void(std::size_t, int)>& found) const;

 private:
  std::vector<std::u32string> words_;
};

// The code points of a UTF-8 string.
std::u32string CodePoints(std::string_view text);

}  // namespace pelvaron::search
