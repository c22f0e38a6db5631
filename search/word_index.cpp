#include "search/word_index.hpp"

#include <algorithm>
#include <cmath>

#include "module/text.hpp"

namespace pelvaron::search {
namespace {

constexpr double kK1 = 1.2;
// How much a match counts against the word itself: a word the query word only begins, one a
// typo away, two typos away.
constexpr float kPrefixWeight = 0.7f;
constexpr float kOneTypoWeight = 0.6f;
constexpr float kTwoTyposWeight = 0.45f;
// Coverage ranks in steps of 5%: within a step the words' order and closeness decide.
constexpr double kCoverageSteps = 20;
// Documents ranked in full, the best covered first; the rest cannot reach a list people read.
constexpr std::size_t kRankedDocuments = 400;

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
      if (all[hi].first - all[lo].first + 1 < best.length)
        best = {all[lo].first, all[hi].first - all[lo].first + 1};
      if (--inWindow[all[lo].second] == 0) --covered;
      ++lo;
    }
  }
  return best;
}

// True when some position in `second` follows one in `first` by 1 to 3 words.
bool FollowsClosely(const std::vector<int32_t>& first, const std::vector<int32_t>& second) {
  for (int32_t p : first) {
    const auto next = std::upper_bound(second.begin(), second.end(), p);
    if (next != second.end() && *next - p <= 3) return true;
  }
  return false;
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
    for (const std::string& variant : tokens[i].variants) note(variant, static_cast<int32_t>(i));
  }
  documents_.push_back(std::move(occurrences));
  lengths_.push_back(static_cast<int32_t>(tokens.size()));
}

void WordIndex::Finish() {
  sorted_.resize(vocabulary_.size());
  for (std::size_t i = 0; i < sorted_.size(); ++i) sorted_[i] = static_cast<int32_t>(i);
  std::sort(sorted_.begin(), sorted_.end(),
            [this](int32_t a, int32_t b) { return vocabulary_[a] < vocabulary_[b]; });
  std::vector<std::string> words;
  words.reserve(sorted_.size());
  for (int32_t id : sorted_) words.push_back(vocabulary_[id]);
  near_.Build(words);
  double total = 0;
  for (int32_t length : lengths_) total += length;
  averageLength_ = lengths_.empty() ? 1 : std::max(1.0, total / static_cast<double>(lengths_.size()));
}

bool WordIndex::MatchTerms(const std::string& word, float prefixWeight, std::vector<float>& quality) const {
  bool exact = false;
  auto it = std::lower_bound(sorted_.begin(), sorted_.end(), word,
                             [this](int32_t id, const std::string& w) { return vocabulary_[id] < w; });
  for (; it != sorted_.end() && vocabulary_[*it].starts_with(word); ++it) {
    const bool same = vocabulary_[*it].size() == word.size();
    exact = exact || same;
    quality[*it] = std::max(quality[*it], same ? 1.0f : prefixWeight);
  }
  return exact;
}

void WordIndex::MatchTypos(const std::string& word, std::vector<float>& quality) const {
  const std::u32string letters = CodePoints(word);
  const int edits = AllowedEdits(letters.size());
  if (edits == 0) return;
  near_.Find(letters, edits, [&](std::size_t index, int distance) {
    float& q = quality[sorted_[index]];
    q = std::max(q, distance <= 1 ? kOneTypoWeight : kTwoTyposWeight);
  });
}

std::vector<WordHit> WordIndex::Search(const WordQuery& query, double minCoverage) const {
  // Every word, phrase words included, in one list; phrases keep their words' indexes.
  struct Word {
    const std::string* text;
    const std::vector<std::string>* alternates;
    bool stop;
    bool inPhrase;
  };
  static const std::vector<std::string> kNone;
  std::vector<Word> words;
  for (const QueryWord& w : query.words) words.push_back({&w.text, &w.alternates, w.stop, false});
  std::vector<std::vector<std::size_t>> phraseWords;
  for (const auto& phrase : query.phrases) {
    phraseWords.emplace_back();
    for (const std::string& w : phrase) {
      phraseWords.back().push_back(words.size());
      words.push_back({&w, &kNone, false, true});
    }
  }
  if (words.empty() || documents_.empty()) return {};

  const std::size_t documentCount = documents_.size();
  const auto n = static_cast<double>(documentCount);
  std::vector<std::vector<float>> quality(words.size());     // by word, by term
  std::vector<std::vector<float>> inDocument(words.size());  // by word, by document: the best match
  std::vector<double> idf(words.size(), 0.0);
  for (std::size_t w = 0; w < words.size(); ++w) {
    std::vector<float>& q = quality[w];
    q.assign(vocabulary_.size(), 0.0f);
    bool exact = MatchTerms(*words[w].text, kPrefixWeight, q);
    // Phrases stay exact: no other spelling, no typo.
    for (const std::string& alternate : *words[w].alternates)
      exact = MatchTerms(alternate, kPrefixWeight, q) || exact;
    if (!exact && !words[w].inPhrase) MatchTypos(*words[w].text, q);
    std::vector<float>& best = inDocument[w];
    best.assign(documentCount, 0.0f);
    for (std::size_t id = 0; id < q.size(); ++id)
      if (q[id] > 0)
        for (int32_t doc : postings_[id])
          best[static_cast<std::size_t>(doc)] = std::max(best[static_cast<std::size_t>(doc)], q[id]);
    const auto df =
        static_cast<double>(std::count_if(best.begin(), best.end(), [](float b) { return b > 0; }));
    if (df > 0) idf[w] = std::log(1.0 + (n - df + 0.5) / (df + 0.5));
  }

  // The share of the informative words' weight each document holds; when every word is a stop
  // word, they all inform.
  const bool anyInformative = std::any_of(
      words.begin(), words.end(), [&](const Word& w) { return !w.stop && idf[&w - words.data()] > 0; });
  // A word no document holds weighs as much as the others on average: it was typed, so a
  // verse covering only the rest covers only part of the query.
  std::vector<double> weight(words.size(), 0.0);
  double total = 0;
  int absent = 0;
  for (std::size_t w = 0; w < words.size(); ++w) {
    if (words[w].stop && anyInformative) continue;
    weight[w] = idf[w];
    total += idf[w];
    absent += idf[w] == 0;
  }
  const int present =
      static_cast<int>(std::count_if(weight.begin(), weight.end(), [](double x) { return x > 0; }));
  if (present > 0) total += absent * total / present;
  if (total <= 0) return {};
  std::vector<std::pair<double, int32_t>> covered;
  for (std::size_t d = 0; d < documentCount; ++d) {
    double sum = 0;
    for (std::size_t w = 0; w < words.size(); ++w) sum += weight[w] * inDocument[w][d];
    if (sum / total >= minCoverage - 1e-9) covered.emplace_back(sum / total, static_cast<int32_t>(d));
  }
  const auto byCoverage = [](const auto& a, const auto& b) {
    return a.first > b.first || (a.first == b.first && a.second < b.second);
  };
  if (covered.size() > kRankedDocuments) {
    std::nth_element(covered.begin(), covered.begin() + kRankedDocuments, covered.end(), byCoverage);
    covered.resize(kRankedDocuments);
  }

  std::vector<WordHit> hits;
  std::vector<std::vector<int32_t>> positions(words.size());
  std::vector<double> frequency(words.size());
  for (const auto& [coverage, doc] : covered) {
    for (auto& p : positions) p.clear();
    std::fill(frequency.begin(), frequency.end(), 0.0);
    for (const Occurrence& o : documents_[static_cast<std::size_t>(doc)]) {
      for (std::size_t w = 0; w < words.size(); ++w) {
        const float m = quality[w][static_cast<std::size_t>(o.term)];
        if (m <= 0 || (!positions[w].empty() && positions[w].back() == o.position)) continue;
        positions[w].push_back(o.position);
        frequency[w] =
            ranking_.countRepeats ? frequency[w] + m : std::max(frequency[w], static_cast<double>(m));
      }
    }
    const auto inPhraseAt = [&](const std::vector<std::size_t>& phrase) {
      for (int32_t start : positions[phrase[0]]) {
        bool all = true;
        for (std::size_t k = 1; k < phrase.size() && all; ++k)
          all = std::binary_search(positions[phrase[k]].begin(), positions[phrase[k]].end(),
                                   start + static_cast<int32_t>(k));
        if (all) return true;
      }
      return false;
    };
    if (!std::all_of(phraseWords.begin(), phraseWords.end(), inPhraseAt)) continue;
    const double norm =
        kK1 * (1 - ranking_.lengthWeight +
               ranking_.lengthWeight * lengths_[static_cast<std::size_t>(doc)] / averageLength_);
    double bm25 = 0;
    for (std::size_t w = 0; w < words.size(); ++w)
      bm25 += idf[w] * frequency[w] * (kK1 + 1) / (frequency[w] + norm);
    // Closeness: the matched words in as few positions as can be; order: neighbours in the
    // query standing in that order, a few words apart at most.
    std::vector<std::vector<int32_t>> matched;
    for (const auto& p : positions)
      if (!p.empty()) matched.push_back(p);
    const Window window = SmallestWindow(matched);
    double proximity = 1;
    if (matched.size() > 1) {
      int inOrder = 0;
      for (std::size_t k = 0; k + 1 < matched.size(); ++k)
        inOrder += FollowsClosely(matched[k], matched[k + 1]);
      proximity = (static_cast<double>(matched.size()) / window.length +
                   static_cast<double>(inOrder) / static_cast<double>(matched.size() - 1)) /
                  2;
    }
    const double score = std::floor(coverage * kCoverageSteps + 1e-9) * 1000 +
                         std::floor(proximity * 10 + 1e-9) * 50 + 49 * bm25 / (bm25 + 10);
    hits.push_back({doc, score, coverage, matched.empty() ? 0 : window.start});
  }
  std::sort(hits.begin(), hits.end(), [](const WordHit& a, const WordHit& b) {
    return a.score > b.score || (a.score == b.score && a.document < b.document);
  });
  return hits;
}

WordQuery ParseWordQuery(std::string_view text) {
  WordQuery query;
  std::string plain;
  bool inQuote = false;
  std::string quoted;
  const auto addWord = [&](const Token& t) { query.words.push_back({t.term, t.variants, false}); };
  const auto flushPhrase = [&] {
    const std::vector<Token> tokens = Tokenize(quoted);
    if (tokens.size() == 1) {
      addWord(tokens[0]);
    } else if (!tokens.empty()) {
      query.phrases.emplace_back();
      for (const Token& t : tokens) query.phrases.back().push_back(t.term);
    }
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
  for (const Token& t : Tokenize(plain)) addWord(t);
  return query;
}

}  // namespace pelvaron::search
