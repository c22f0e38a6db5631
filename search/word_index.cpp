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

// ---- Search, phase by phase -----------------------------------------------------------------

// A query word as the search weighs it; phrase words are words too, kept exact.
struct WordIndex::Term {
  const std::string* text;
  const std::vector<std::string>* alternates;
  bool stop;
  bool inPhrase;
};

// What every term matches: by term, the vocabulary's words and how well; by term, each
// document's best match; by term, its inverse document frequency (0 when no document holds it).
struct WordIndex::Matches {
  std::vector<std::vector<float>> quality;
  std::vector<std::vector<float>> inDocument;
  std::vector<double> idf;
};

// Where the matched words of one document stand, and how often (weighted by match quality).
struct WordIndex::Found {
  std::vector<std::vector<int32_t>> positions;  // by term, ascending
  std::vector<double> frequency;                // by term
};

namespace {

// The terms of a query, phrase words after the plain ones; `phrases` gets each phrase's term indexes.
std::vector<WordIndex::Term> TermsOf(const WordQuery& query, std::vector<std::vector<std::size_t>>& phrases) {
  static const std::vector<std::string> kNone;
  std::vector<WordIndex::Term> terms;
  for (const QueryWord& w : query.words) terms.push_back({&w.text, &w.alternates, w.stop, false});
  for (const auto& phrase : query.phrases) {
    phrases.emplace_back();
    for (const std::string& w : phrase) {
      phrases.back().push_back(terms.size());
      terms.push_back({&w, &kNone, false, true});
    }
  }
  return terms;
}

// Each term's weight in the coverage: its idf, nothing for a stop word unless every word is
// one. A term no document holds weighs the average of the others: it was typed, so a verse
// covering only the rest covers only part of the query. The weights, and their total.
std::pair<std::vector<double>, double> CoverageWeights(const std::vector<WordIndex::Term>& terms,
                                                       const std::vector<double>& idf) {
  bool anyInformative = false;
  for (std::size_t t = 0; t < terms.size(); ++t)
    anyInformative = anyInformative || (!terms[t].stop && idf[t] > 0);
  std::vector<double> weight(terms.size(), 0.0);
  double total = 0;
  int absent = 0, present = 0;
  for (std::size_t t = 0; t < terms.size(); ++t) {
    if (terms[t].stop && anyInformative) continue;
    weight[t] = idf[t];
    total += idf[t];
    absent += idf[t] == 0;
    present += idf[t] > 0;
  }
  if (present > 0) total += absent * total / present;
  return {std::move(weight), total};
}

// True when the terms of `phrase` stand side by side, in order, somewhere.
bool HoldsPhrase(const std::vector<std::vector<int32_t>>& positions, const std::vector<std::size_t>& phrase) {
  for (int32_t start : positions[phrase[0]]) {
    bool all = true;
    for (std::size_t k = 1; k < phrase.size() && all; ++k)
      all = std::binary_search(positions[phrase[k]].begin(), positions[phrase[k]].end(),
                               start + static_cast<int32_t>(k));
    if (all) return true;
  }
  return false;
}

// Closeness, 0 to 1, of the matched words' positions (each list ascending, in query order):
// half how few positions hold them all, half how many query neighbours stand in that order, a
// few words apart at most. `window` gets the smallest span holding them all.
double Proximity(const std::vector<std::vector<int32_t>>& matched, Window& window) {
  window = SmallestWindow(matched);
  if (matched.size() < 2) return 1;
  int inOrder = 0;
  for (std::size_t k = 0; k + 1 < matched.size(); ++k) inOrder += FollowsClosely(matched[k], matched[k + 1]);
  return (static_cast<double>(matched.size()) / window.length +
          static_cast<double>(inOrder) / static_cast<double>(matched.size() - 1)) /
         2;
}

}  // namespace

int CoverageStep(double coverage) { return static_cast<int>(std::floor(coverage * kCoverageSteps + 1e-9)); }

WordRank WordRank::Of(double coverage, double proximity, double bm25) {
  return {CoverageStep(coverage), static_cast<int>(std::floor(proximity * 10 + 1e-9)),
          49 * bm25 / (bm25 + 10)};
}

WordIndex::Matches WordIndex::Match(const std::vector<Term>& terms) const {
  const std::size_t documentCount = documents_.size();
  const auto n = static_cast<double>(documentCount);
  Matches m{std::vector<std::vector<float>>(terms.size(), std::vector<float>(vocabulary_.size(), 0.0f)),
            std::vector<std::vector<float>>(terms.size(), std::vector<float>(documentCount, 0.0f)),
            std::vector<double>(terms.size(), 0.0)};
  for (std::size_t t = 0; t < terms.size(); ++t) {
    std::vector<float>& q = m.quality[t];
    bool exact = MatchTerms(*terms[t].text, kPrefixWeight, q);
    // Phrases stay exact: no other spelling, no typo.
    for (const std::string& alternate : *terms[t].alternates)
      exact = MatchTerms(alternate, kPrefixWeight, q) || exact;
    if (!exact && !terms[t].inPhrase) MatchTypos(*terms[t].text, q);
    std::vector<float>& best = m.inDocument[t];
    for (std::size_t id = 0; id < q.size(); ++id)
      if (q[id] > 0)
        for (int32_t doc : postings_[id])
          best[static_cast<std::size_t>(doc)] = std::max(best[static_cast<std::size_t>(doc)], q[id]);
    const auto df =
        static_cast<double>(std::count_if(best.begin(), best.end(), [](float b) { return b > 0; }));
    if (df > 0) m.idf[t] = std::log(1.0 + (n - df + 0.5) / (df + 0.5));
  }
  return m;
}

std::vector<std::pair<double, int32_t>> WordIndex::Covered(const std::vector<Term>& terms, const Matches& m,
                                                           double minCoverage) const {
  const auto [weight, total] = CoverageWeights(terms, m.idf);
  std::vector<std::pair<double, int32_t>> covered;
  if (total <= 0) return covered;
  for (std::size_t d = 0; d < documents_.size(); ++d) {
    double sum = 0;
    for (std::size_t t = 0; t < terms.size(); ++t) sum += weight[t] * m.inDocument[t][d];
    if (sum / total >= minCoverage - 1e-9) covered.emplace_back(sum / total, static_cast<int32_t>(d));
  }
  const auto byCoverage = [](const auto& a, const auto& b) {
    return a.first > b.first || (a.first == b.first && a.second < b.second);
  };
  if (covered.size() > kRankedDocuments) {
    std::nth_element(covered.begin(), covered.begin() + kRankedDocuments, covered.end(), byCoverage);
    covered.resize(kRankedDocuments);
  }
  return covered;
}

void WordIndex::Locate(int32_t doc, const Matches& m, Found& found) const {
  for (auto& p : found.positions) p.clear();
  std::fill(found.frequency.begin(), found.frequency.end(), 0.0);
  for (const Occurrence& o : documents_[static_cast<std::size_t>(doc)]) {
    for (std::size_t t = 0; t < found.positions.size(); ++t) {
      const float q = m.quality[t][static_cast<std::size_t>(o.term)];
      std::vector<int32_t>& at = found.positions[t];
      if (q <= 0 || (!at.empty() && at.back() == o.position)) continue;
      at.push_back(o.position);
      double& f = found.frequency[t];
      f = ranking_.countRepeats ? f + q : std::max(f, static_cast<double>(q));
    }
  }
}

double WordIndex::Bm25(int32_t doc, const Matches& m, const Found& found) const {
  const double norm =
      kK1 * (1 - ranking_.lengthWeight +
             ranking_.lengthWeight * lengths_[static_cast<std::size_t>(doc)] / averageLength_);
  double bm25 = 0;
  for (std::size_t t = 0; t < found.frequency.size(); ++t)
    bm25 += m.idf[t] * found.frequency[t] * (kK1 + 1) / (found.frequency[t] + norm);
  return bm25;
}

std::vector<WordHit> WordIndex::Search(const WordQuery& query, double minCoverage) const {
  std::vector<std::vector<std::size_t>> phrases;
  const std::vector<Term> terms = TermsOf(query, phrases);
  if (terms.empty() || documents_.empty()) return {};
  const Matches m = Match(terms);
  std::vector<WordHit> hits;
  Found found{std::vector<std::vector<int32_t>>(terms.size()), std::vector<double>(terms.size())};
  for (const auto& [coverage, doc] : Covered(terms, m, minCoverage)) {
    Locate(doc, m, found);
    const auto holds = [&](const std::vector<std::size_t>& phrase) {
      return HoldsPhrase(found.positions, phrase);
    };
    if (!std::all_of(phrases.begin(), phrases.end(), holds)) continue;
    std::vector<std::vector<int32_t>> matched;
    for (const auto& p : found.positions)
      if (!p.empty()) matched.push_back(p);
    Window window;
    const double proximity = Proximity(matched, window);
    hits.push_back({doc, WordRank::Of(coverage, proximity, Bm25(doc, m, found)), coverage,
                    matched.empty() ? 0 : window.start});
  }
  std::sort(hits.begin(), hits.end(), [](const WordHit& a, const WordHit& b) {
    return a.rank.Value() > b.rank.Value() || (a.rank.Value() == b.rank.Value() && a.document < b.document);
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
