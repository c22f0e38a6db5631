#include "search/latin_index.hpp"

#include <algorithm>

#include "module/text.hpp"
#include "search/near_words.hpp"
#include "search/spelling_folds.hpp"
#include "search/text_fold.hpp"

namespace pelvaron::search {
namespace {

constexpr int kAlphabet = 26;
constexpr std::size_t kCandidates =
    300;                                // verses checked letter by letter, those sharing most trigrams first
constexpr std::size_t kMinimumKey = 5;  // shorter queries say too little to be read as Latin

int TrigramCode(const std::string& key, std::size_t i) {
  return ((key[i] - 'a') * kAlphabet + (key[i + 1] - 'a')) * kAlphabet + (key[i + 2] - 'a');
}

// The fewest edits (a letter changed, added, dropped, or two neighbours swapped) that make
// `pattern` some stretch of `text`, and where that stretch ends.
std::pair<int, std::size_t> BestStretch(std::string_view pattern, std::string_view text) {
  const std::size_t m = pattern.size();
  std::vector<int> before(m + 1), previous(m + 1), row(m + 1);
  for (std::size_t j = 0; j <= m; ++j) previous[j] = static_cast<int>(j);
  int best = static_cast<int>(m);
  std::size_t end = 0;
  for (std::size_t i = 1; i <= text.size(); ++i) {
    row[0] = 0;  // a stretch may start anywhere
    for (std::size_t j = 1; j <= m; ++j) {
      int cost = std::min(
          {previous[j] + 1, row[j - 1] + 1, previous[j - 1] + (text[i - 1] == pattern[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && text[i - 1] == pattern[j - 2] && text[i - 2] == pattern[j - 1])
        cost = std::min(cost, before[j - 2] + 1);
      row[j] = cost;
    }
    if (row[m] < best) {
      best = row[m];
      end = i;
    }
    std::swap(before, previous);
    std::swap(previous, row);
  }
  return {best, end};
}

}  // namespace

namespace {

// The Latin reading's letters that fold otherwise than their accent-less letter: ḍ and ẓ as
// their spellings dz/dh; 0 for any other.
char ReadingLetter(char32_t c) {
  switch (c) {
    case U'\u1E0D':
    case U'\u1E0C':
    case U'\u1E93':
    case U'\u1E92':
      return 'z';  // ḍ, ẓ
    default:
      return 0;
  }
}

// The letters of a text, each folded alone; "(…)" skipped.
std::string LettersOf(std::string_view text) {
  std::string letters;
  int depth = 0;
  for (std::size_t pos = 0, length = 1; pos < text.size(); pos += length) {
    const char32_t c = DecodeUtf8At(text, pos, &length);
    if (c == U'(')
      ++depth;
    else if (c == U')')
      depth = std::max(0, depth - 1);
    if (depth > 0) continue;
    if (const char reading = ReadingLetter(c))
      letters += reading;
    else if (const char folded = FoldLatin(c); folded >= 'a' && folded <= 'z')
      letters += folded;
  }
  return letters;
}

// The vowels and glides the readings write apart from the queries: e (the imala) as i, w and
// y as the u and i of the diphthongs au and ai.
char VowelKey(char c) { return c == 'e' || c == 'y' ? 'i' : c == 'w' ? 'u' : c; }

}  // namespace

std::string LatinKey(std::string_view text) {
  std::string key = FoldSpellings(LettersOf(text));
  for (char& c : key) c = VowelKey(c);
  return WithoutDoubles(key);
}

namespace {

// The key of a text word by word, joined; `starts` gets where each word's letters begin. Word by
// word so that letters meeting across a blank ("qad hada") read as they do apart.
std::string KeyOfWords(std::string_view text, std::vector<uint16_t>* starts) {
  std::string key;
  std::size_t wordStart = 0;
  const auto addWord = [&](std::size_t end) {
    const std::string part = LatinKey(text.substr(wordStart, end - wordStart));
    wordStart = end + 1;
    if (part.empty()) return;
    if (starts) starts->push_back(static_cast<uint16_t>(std::min<std::size_t>(key.size(), UINT16_MAX)));
    // doubled letters across the blank are single too: "fid dunya" is "fiddunya"
    key += !key.empty() && key.back() == part.front() ? part.substr(1) : part;
  };
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == ' ' || text[i] == '\t') addWord(i);
  addWord(text.size());
  return key;
}

struct Found {
  LatinHit hit;
  int edits;
  double fill;  // the share of the verse the query covers
};

// Fewest edits first, then the verse the query fills most, then the mushaf's order.
std::vector<LatinHit> BestFirst(std::vector<Found> found) {
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    if (a.edits != b.edits) return a.edits < b.edits;
    if (a.fill != b.fill) return a.fill > b.fill;
    return a.hit.document < b.hit.document;
  });
  std::vector<LatinHit> hits;
  for (const Found& f : found) hits.push_back(f.hit);
  return hits;
}

}  // namespace

void LatinIndex::Add(std::string_view latin) {
  std::vector<uint16_t> starts;
  std::string key = KeyOfWords(latin, &starts);
  const auto document = static_cast<int32_t>(keys_.size());
  trigrams_.resize(kAlphabet * kAlphabet * kAlphabet);
  for (std::size_t i = 0; i + 2 < key.size(); ++i) {
    auto& docs = trigrams_[static_cast<std::size_t>(TrigramCode(key, i))];
    if (docs.empty() || docs.back() != document) docs.push_back(document);
  }
  keys_.push_back(std::move(key));
  wordStarts_.push_back(std::move(starts));
}

void LatinIndex::Finish() {}

std::vector<int32_t> LatinIndex::Candidates(const std::string& key, int allowed) const {
  std::vector<int> codes;
  for (std::size_t i = 0; i + 2 < key.size(); ++i) codes.push_back(TrigramCode(key, i));
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  std::vector<uint16_t> shared(keys_.size(), 0);
  for (int code : codes)
    for (int32_t doc : trigrams_[static_cast<std::size_t>(code)]) ++shared[static_cast<std::size_t>(doc)];
  // Each edit spoils at most three trigrams.
  const int needed = static_cast<int>(codes.size()) - 3 * allowed;
  std::vector<std::pair<int, int32_t>> candidates;
  for (std::size_t d = 0; d < shared.size(); ++d)
    if (shared[d] > 0 && shared[d] >= needed) candidates.emplace_back(shared[d], static_cast<int32_t>(d));
  const auto byShared = [](const auto& a, const auto& b) {
    return a.first > b.first || (a.first == b.first && a.second < b.second);
  };
  if (candidates.size() > kCandidates) {
    std::nth_element(candidates.begin(), candidates.begin() + kCandidates, candidates.end(), byShared);
    candidates.resize(kCandidates);
  }
  std::vector<int32_t> documents;
  for (const auto& candidate : candidates) documents.push_back(candidate.second);
  return documents;
}

std::vector<LatinHit> LatinIndex::Search(std::string_view query) const {
  const std::string key = KeyOfWords(query, nullptr);
  if (key.size() < kMinimumKey || keys_.empty()) return {};
  int allowed = 0;
  for (const Token& word : Tokenize(query)) allowed += AllowedEdits(LatinKey(word.term).size());
  allowed = std::max(allowed, 1);
  std::vector<Found> found;
  for (int32_t doc : Candidates(key, allowed)) {
    const std::string& text = keys_[static_cast<std::size_t>(doc)];
    const auto [edits, end] = BestStretch(key, text);
    if (edits > allowed) continue;
    const auto& starts = wordStarts_[static_cast<std::size_t>(doc)];
    const std::size_t begin = end > key.size() ? end - key.size() : 0;
    const int word =
        static_cast<int>(std::upper_bound(starts.begin(), starts.end(), begin) - starts.begin()) - 1;
    const double size = static_cast<double>(key.size());
    found.push_back({{doc, 1.0 - edits / size, std::max(word, 0)},
                     edits,
                     size / static_cast<double>(std::max(text.size(), key.size()))});
  }
  return BestFirst(std::move(found));
}

}  // namespace pelvaron::search
