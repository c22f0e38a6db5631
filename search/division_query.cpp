#include "search/division_query.hpp"

#include <cctype>
#include <string>
#include <vector>

#include "search/text_fold.hpp"
#include "search/word_lists.hpp"

namespace pelvaron::search {
namespace {

constexpr int kTooLarge = 99999;

// The folded words of `query`, a word of letters run into digits ("ke30" of "ke-30") split in two.
std::vector<std::string> Words(std::string_view query) {
  std::vector<std::string> words;
  for (const Token& token : Tokenize(AsciiDigitsAndDashes(query))) {
    const std::string& term = token.term;
    std::size_t digits = term.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(term[digits - 1]))) --digits;
    if (digits > 0 && digits < term.size()) {
      words.push_back(term.substr(0, digits));
      words.push_back(term.substr(digits));
    } else {
      words.push_back(term);
    }
  }
  return words;
}

bool Listed(const std::vector<std::string>& list, const std::string& word) {
  for (const std::string& entry : list)
    if (entry == word) return true;
  return false;
}

std::optional<int> NumberOf(const std::string& word) {
  if (word.empty() || !std::isdigit(static_cast<unsigned char>(word[0]))) return std::nullopt;
  return word.size() > 5 ? kTooLarge : std::stoi(word);
}

}  // namespace

std::optional<DivisionQuery> ParseDivisionQuery(std::string_view query) {
  std::vector<std::string> words = Words(query);
  if (words.size() < 2) return std::nullopt;
  DivisionQuery result;
  if (Listed(DivisionWords(DivisionKind::Juz), words[0]))
    result.kind = DivisionKind::Juz;
  else if (Listed(DivisionWords(DivisionKind::Page), words[0]))
    result.kind = DivisionKind::Page;
  else
    return std::nullopt;
  if (words.size() == 3 && words[1] == "ke") words.erase(words.begin() + 1);  // "juz ke-30"
  if (words.size() != 2) return std::nullopt;
  // Juz 30 is named after its first word, 'amma (78:1); the folds drop the apostrophe.
  if (result.kind == DivisionKind::Juz && (words[1] == "amma" || words[1] == "ama")) {
    result.number = kDivisionKinds[static_cast<std::size_t>(DivisionKind::Juz)].count;
    return result;
  }
  const auto number = NumberOf(words[1]);
  if (!number) return std::nullopt;
  result.number = *number;
  return result;
}

}  // namespace pelvaron::search
