#pragma once
// The other spellings of a query's words (spelling_variants.txt, compiled in) and its stop
// words, which cost nothing when a verse lacks them.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "search/word_index.hpp"

namespace pelvaron::search {

// The text of spelling_variants.txt, compiled in.
std::string_view SpellingVariantsText();

class SpellingVariants {
 public:
  // Reads a variants text; `source` names it in errors. A line without two tabs is an error naming the line.
  SpellingVariants(std::string_view text, const std::string& source);

  // Gives each word of `query` the translation's spelling as an alternate (or its two words in
  // its place) and marks the stop words.
  void Apply(WordQuery& query) const;

 private:
  std::unordered_map<std::string, std::vector<std::string>>
      standard_;  // folded typed spelling → folded words
};

// The words of stop_words.txt: and, which, in, to, from, that, truly, … .
bool IsStopWord(std::string_view folded);

}  // namespace pelvaron::search
