#include "search/near_words.hpp"

#include <algorithm>

#include "module/text.hpp"

namespace pelvaron::search {

int AllowedEdits(std::size_t letters) { return letters < 5 ? 0 : letters < 8 ? 1 : 2; }

std::u32string CodePoints(std::string_view text) {
  std::u32string out;
  for (std::size_t pos = 0, length = 1; pos < text.size(); pos += length)
    out += DecodeUtf8At(text, pos, &length);
  return out;
}

void NearWords::Build(const std::vector<std::string>& sortedWords) {
  words_.clear();
  words_.reserve(sortedWords.size());
  for (const std::string& w : sortedWords) words_.push_back(CodePoints(w));
}

namespace {

// Fills rows[d + 1], the distances after the vocabulary word's letter term[d]; its smallest.
int FillRow(std::vector<std::vector<int>>& rows, std::size_t d, std::u32string_view term,
            std::u32string_view word) {
  const std::size_t m = word.size();
  if (rows.size() < d + 2) rows.emplace_back(m + 1);
  const std::vector<int>& up = rows[d];
  std::vector<int>& row = rows[d + 1];
  row[0] = static_cast<int>(d + 1);
  int best = row[0];
  for (std::size_t j = 1; j <= m; ++j) {
    int cost = std::min({up[j] + 1, row[j - 1] + 1, up[j - 1] + (term[d] == word[j - 1] ? 0 : 1)});
    if (d > 0 && j > 1 && term[d] == word[j - 2] && term[d - 1] == word[j - 1])
      cost = std::min(cost, rows[d - 1][j - 2] + 1);
    row[j] = cost;
    best = std::min(best, cost);
  }
  return best;
}

// The index of the first word from `i` on that does not start with `prefix`.
std::size_t PastPrefix(const std::vector<std::u32string>& words, std::size_t i, std::u32string_view prefix) {
  const auto past = std::partition_point(
      words.begin() + static_cast<std::ptrdiff_t>(i), words.end(),
      [&](const std::u32string& w) { return std::u32string_view(w).starts_with(prefix); });
  return static_cast<std::size_t>(past - words.begin());
}

}  // namespace

void NearWords::Find(std::u32string_view word, int maxEdits,
                     const std::function<void(std::size_t, int)>& found) const {
  const std::size_t m = word.size();
  // rows[d]: edit distances between the first d letters of the vocabulary word and each prefix of `word`.
  std::vector<std::vector<int>> rows(1, std::vector<int>(m + 1));
  for (std::size_t j = 0; j <= m; ++j) rows[0][j] = static_cast<int>(j);
  std::u32string_view previous;  // the word whose rows are in `rows`, up to `valid`
  std::size_t valid = 0;
  for (std::size_t i = 0; i < words_.size();) {
    const std::u32string_view term = words_[i];
    std::size_t d = 0;
    const std::size_t limit = std::min(valid, std::min(previous.size(), term.size()));
    while (d < limit && previous[d] == term[d]) ++d;
    bool dead = false;
    for (; d < term.size() && !dead; ++d) dead = FillRow(rows, d, term, word) > maxEdits;
    previous = term;
    valid = d;
    if (dead) {  // every following word that starts with term[0..d) is out of reach too
      i = PastPrefix(words_, i, term.substr(0, d));
      continue;
    }
    if (rows[term.size()][m] <= maxEdits) found(i, rows[term.size()][m]);
    ++i;
  }
}

}  // namespace pelvaron::search
