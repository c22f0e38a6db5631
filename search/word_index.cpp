#include "search/word_index.hpp"

#include <algorithm>
#include <cmath>

#include "module/text.hpp"

namespace pelvaron::search {
namespace {

constexpr double kK1 = 1.2;
constexpr double kPrefixWeight = 0.7;  // a word the query word only begins counts less than the word itself

// Sorted, unique union of the postings of the matching terms.
std::vector<int32_t> Union(const std::vector<uint8_t>& matches, const std::vector<std::vector<int32_t>>& postings) {
  std::vector<int32_t> docs;
  for (std::size_t id = 0; id < matches.size(); ++id)
    if (matches[id]) docs.insert(docs.end(), postings[id].begin(), postings[id].end());
  std::sort(docs.begin(), docs.end());
  docs.erase(std::unique(docs.begin(), docs.end()), docs.end());
  return docs;
}

struct Window {
  int32_t start = 0;
  int32_t length = INT32_MAX;
};

// The fewest consecutive positions that hold a match of every word; `positions[w]` ascending.
Window SmallestWindow(const std::vector<std::vector<int32_t>>& positions) {
  std::vector<std::pair<int32_t, std::size_t>> all;
  for (std::size_t w = 0; w < positions.size(); ++w)
    for (int32_t p : positions[w]) all.emplace_back(p, w);
  std::sort(all.begin(), all.end());
  std::vector<int> inWindow(positions.size(), 0);
  std::size_t covered = 0;
  Window best;
  for (std::size_t lo = 0, hi = 0; hi < all.size(); ++hi) {
    if (inWindow[all[hi].second]++ == 0) ++covered;
    while (covered == positions.size()) {
      if (all[hi].first - all[lo].first + 1 < best.length) best = {all[lo].first, all[hi].first - all[lo].first + 1};
      if (--inWindow[all[lo].second] == 0) --covered;
      ++lo;
    }
  }
  return best;
}

}  // namespace

int32_t WordIndex::TermId(const std::string& term) {
  const auto [it, added] = ids_.try_emplace(term, static_cast<int32_t>(vocabulary_.size()));
  if (added) {
    vocabulary_.push_back(term);
    postings_.emplace_back();
  }
  return it->second;
}

void WordIndex::Add(const std::vector<Token>& tokens) {
  const auto document = static_cast<int32_t>(documents_.size());
  std::vector<Occurrence> occurrences;
  const auto note = [&](const std::string& term, int32_t position) {
    const int32_t id = TermId(term);
    occurrences.push_back({id, position});
    if (postings_[id].empty() || postings_[id].back() != document) postings_[id].push_back(document);
  };
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    note(tokens[i].term, static_cast<int32_t>(i));
    if (!tokens[i].variant.empty()) note(tokens[i].variant, static_cast<int32_t>(i));
  }
  documents_.push_back(std::move(occurrences));
  lengths_.push_back(static_cast<int32_t>(tokens.size()));
}

void WordIndex::Finish() {
  sorted_.resize(vocabulary_.size());
  for (std::size_t i = 0; i < sorted_.size(); ++i) sorted_[i] = static_cast<int32_t>(i);
  std::sort(sorted_.begin(), sorted_.end(), [this](int32_t a, int32_t b) { return vocabulary_[a] < vocabulary_[b]; });
  double total = 0;
  for (int32_t length : lengths_) total += length;
  averageLength_ = lengths_.empty() ? 1 : std::max(1.0, total / static_cast<double>(lengths_.size()));
}

std::vector<uint8_t> WordIndex::MatchingTerms(const std::string& word) const {
  std::vector<uint8_t> matches(vocabulary_.size(), 0);
  auto it = std::lower_bound(sorted_.begin(), sorted_.end(), word,
                             [this](int32_t id, const std::string& w) { return vocabulary_[id] < w; });
  for (; it != sorted_.end() && vocabulary_[*it].starts_with(word); ++it)
    matches[*it] = vocabulary_[*it].size() == word.size() ? 2 : 1;
  return matches;
}

std::vector<WordHit> WordIndex::Search(const WordQuery& query) const {
  // Every word, phrase words included, in one list; phrases keep their words' indexes.
  std::vector<std::string> words = query.words;
  std::vector<std::vector<std::size_t>> phraseWords;
  for (const auto& phrase : query.phrases) {
    phraseWords.emplace_back();
    for (const std::string& w : phrase) {
      phraseWords.back().push_back(words.size());
      words.push_back(w);
    }
  }
  if (words.empty()) return {};

  std::vector<std::vector<uint8_t>> matches;
  std::vector<double> idf;
  std::vector<int32_t> candidates;
  const auto n = static_cast<double>(documents_.size());
  for (std::size_t w = 0; w < words.size(); ++w) {
    matches.push_back(MatchingTerms(words[w]));
    std::vector<int32_t> docs = Union(matches.back(), postings_);
    const auto df = static_cast<double>(docs.size());
    idf.push_back(std::log(1.0 + (n - df + 0.5) / (df + 0.5)));
    if (w == 0) {
      candidates = std::move(docs);
    } else {
      std::vector<int32_t> both;
      std::set_intersection(candidates.begin(), candidates.end(), docs.begin(), docs.end(), std::back_inserter(both));
      candidates = std::move(both);
    }
    if (candidates.empty()) return {};
  }

  std::vector<WordHit> hits;
  std::vector<std::vector<int32_t>> positions(words.size());
  std::vector<double> frequency(words.size());
  for (int32_t doc : candidates) {
    for (auto& p : positions) p.clear();
    std::fill(frequency.begin(), frequency.end(), 0.0);
    for (const Occurrence& o : documents_[doc]) {
      for (std::size_t w = 0; w < words.size(); ++w) {
        const uint8_t m = matches[w][o.term];
        if (!m || (!positions[w].empty() && positions[w].back() == o.position)) continue;
        positions[w].push_back(o.position);
        const double weight = m == 2 ? 1.0 : kPrefixWeight;
        frequency[w] = ranking_.countRepeats ? frequency[w] + weight : std::max(frequency[w], weight);
      }
    }
    const auto inPhraseAt = [&](const std::vector<std::size_t>& phrase) {
      for (int32_t start : positions[phrase[0]]) {
        bool all = true;
        for (std::size_t k = 1; k < phrase.size() && all; ++k)
          all = std::binary_search(positions[phrase[k]].begin(), positions[phrase[k]].end(), start + static_cast<int32_t>(k));
        if (all) return true;
      }
      return false;
    };
    if (!std::all_of(phraseWords.begin(), phraseWords.end(), inPhraseAt)) continue;
    const double norm = kK1 * (1 - ranking_.lengthWeight + ranking_.lengthWeight * lengths_[doc] / averageLength_);
    double score = 0;
    for (std::size_t w = 0; w < words.size(); ++w) score += idf[w] * frequency[w] * (kK1 + 1) / (frequency[w] + norm);
    // Words standing together weigh up to twice as much as the same words spread over the verse.
    const Window window = SmallestWindow(positions);
    if (words.size() > 1) score *= 1.0 + static_cast<double>(words.size()) / window.length;
    hits.push_back({doc, score, window.start});
  }
  std::stable_sort(hits.begin(), hits.end(), [](const WordHit& a, const WordHit& b) { return a.score > b.score; });
  return hits;
}

WordQuery ParseWordQuery(std::string_view text) {
  WordQuery query;
  std::string plain;
  bool inQuote = false;
  std::string quoted;
  const auto flushPhrase = [&] {
    std::vector<std::string> words;
    for (const Token& t : Tokenize(quoted)) words.push_back(t.term);
    if (words.size() == 1) query.words.push_back(words[0]);
    else if (!words.empty()) query.phrases.push_back(std::move(words));
    quoted.clear();
  };
  for (std::size_t pos = 0, length = 1; pos < text.size(); pos += length) {
    const char32_t c = DecodeUtf8At(text, pos, &length);
    if (c == U'"' || c == U'\u201C' || c == U'\u201D') {
      if (inQuote) flushPhrase();
      inQuote = !inQuote;
      plain += ' ';
    } else {
      (inQuote ? quoted : plain).append(text.substr(pos, length));
    }
  }
  if (inQuote) flushPhrase();  // an unclosed quote runs to the end
  for (const Token& t : Tokenize(plain)) query.words.push_back(t.term);
  return query;
}

}  // namespace pelvaron::search
