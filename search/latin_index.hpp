#pragma once
// The Latin reading of every verse, searched by sound: the verse's letters and the query's are
// folded to one phonetic key, so that the usual Indonesian spellings meet, and the query's key
// is matched, typos allowed, against any stretch of the verse's key, spaces ignored
// ("huwallahu" / "huwa allahu", "fid dunya" / "fiddunya").

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelvaron::search {

// The phonetic key of a Latin text: letters only, no diacritics or apostrophes, "(…)" left out
// (a verse's ending when not paused); the spellings of search/spelling_folds.hpp (sy/sh/ts/ṣ/ṡ
// → s, th/ṭ → t, dz/dh/zh/ż/ẓ/ḍ → z, gh → g, kh/q → k, dj → j, o → a), e → i, w → u, y → i,
// and doubled letters single.
std::string LatinKey(std::string_view text);

struct LatinHit {
  int document = 0;
  double coverage = 0;    // 1 - edits / letters of the query's key
  int firstPosition = 0;  // the word of the verse where the match starts
};

class LatinIndex {
 public:
  // Adds the next document (numbered from 0): a verse's Latin reading.
  void Add(std::string_view latin);
  // Call once after the last Add and before searching.
  void Finish();

  // The documents holding the query's key with edits allowed as for words (per query word: one
  // from 5 letters, two from 8), best first: fewest edits, then the verse the query fills most.
  std::vector<LatinHit> Search(std::string_view query) const;

  bool empty() const { return keys_.empty(); }

 private:
  // The documents sharing the most of the key's trigrams, as many as can hold it with
  // `allowed` edits, at most a few hundred.
  std::vector<int32_t> Candidates(const std::string& key, int allowed) const;

  std::vector<std::string> keys_;                  // by document
  std::vector<std::vector<uint16_t>> wordStarts_;  // by document: where each word's letters start in its key
  std::vector<std::vector<int32_t>> trigrams_;     // by trigram code: documents, ascending, once each
};

}  // namespace pelvaron::search
