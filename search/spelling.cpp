#include "search/spelling.hpp"

#include <algorithm>

#include "module/error.hpp"
#include "module/text.hpp"
#include "search/well_known.hpp"
#include "search/word_lists.hpp"

namespace pelvaron::search {
namespace {

std::vector<std::string> Folded(std::string_view text) {
  std::vector<std::string> words;
  for (const Token& t : Tokenize(text)) words.push_back(t.term);
  return words;
}

}  // namespace

bool IsStopWord(std::string_view folded) {
  const std::vector<std::string>& stop = StopWords();
  return std::find(stop.begin(), stop.end(), folded) != stop.end();
}

SpellingVariants::SpellingVariants(std::string_view text, const std::string& source) {
  ForEachDataLine(text, [&](std::string_view line, int lineNumber) {
    const std::size_t tab = line.find('\t');
    const std::size_t tab2 = tab == std::string_view::npos ? tab : line.find('\t', tab + 1);
    const std::vector<std::string> typed = Folded(line.substr(0, tab));
    const std::vector<std::string> standard = tab2 == std::string_view::npos
                                                  ? std::vector<std::string>{}
                                                  : Folded(line.substr(tab + 1, tab2 - tab - 1));
    if (typed.size() != 1 || standard.empty() || TrimSpaces(line.substr(tab2 + 1)).empty())
      throw Error(ErrorKind::BadRecord,
                  source + " line " + std::to_string(lineNumber) +
                      ": not one typed word, a tab, the standard spelling, a tab and where it comes from");
    standard_.try_emplace(typed[0], standard);
  });
}

void SpellingVariants::Apply(WordQuery& query) const {
  std::vector<QueryWord> words;
  for (QueryWord& word : query.words) {
    auto found = standard_.find(word.text);
    std::string suffix;
    for (std::string_view s : Suffixes()) {
      if (found != standard_.end()) break;
      if (word.text.size() > s.size() + 2 && word.text.ends_with(s)) {
        found = standard_.find(word.text.substr(0, word.text.size() - s.size()));
        suffix = s;
      }
    }
    if (found != standard_.end() && found->second.size() > 1 && suffix.empty()) {
      for (const std::string& w : found->second) words.push_back({w, {}, IsStopWord(w)});
      continue;
    }
    if (found != standard_.end() && found->second.size() == 1)
      word.alternates.push_back(found->second[0] + suffix);
    word.stop = IsStopWord(word.text);
    words.push_back(std::move(word));
  }
  query.words = std::move(words);
}

}  // namespace pelvaron::search
