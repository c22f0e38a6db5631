#pragma once
// An inverted index over short documents (verses): every query word must match the start of
// a word of the document; ranked by BM25 and by how close the matched words stand.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "search/text_fold.hpp"

namespace pelvaron::search {

// A query: words that must each occur, and phrases whose words must occur in order, side by side.
struct WordQuery {
  std::vector<std::string> words;
  std::vector<std::vector<std::string>> phrases;
  bool empty() const { return words.empty() && phrases.empty(); }
};

struct WordHit {
  int document = 0;
  double score = 0;
  int firstPosition = 0;  // where the closest group of matched words starts
};

class WordIndex {
 public:
  struct Ranking {
    double lengthWeight = 0.75;  // BM25's b: how much a longer document's matches count less
    bool countRepeats = true;    // false: a word occurring twice counts as once
  };
  WordIndex() = default;
  explicit WordIndex(Ranking ranking) : ranking_(ranking) {}

  // Adds the next document (numbered from 0) with its words in order.
  void Add(const std::vector<Token>& tokens);
  // Sorts the vocabulary; call once after the last Add and before searching.
  void Finish();

  // Every document matching all of `query`, best first.
  std::vector<WordHit> Search(const WordQuery& query) const;

  int documents() const { return static_cast<int>(documents_.size()); }
  std::size_t terms() const { return vocabulary_.size(); }

 private:
  struct Occurrence {
    int32_t term;
    int32_t position;
  };
  int32_t TermId(const std::string& term);
  // For each term id, 2 when it equals `word`, 1 when `word` is a prefix of it, else 0.
  std::vector<uint8_t> MatchingTerms(const std::string& word) const;

  std::unordered_map<std::string, int32_t> ids_;
  std::vector<std::string> vocabulary_;       // by id
  std::vector<int32_t> sorted_;               // ids in term order
  std::vector<std::vector<int32_t>> postings_;  // by id: documents, ascending, once each
  std::vector<std::vector<Occurrence>> documents_;
  std::vector<int32_t> lengths_;  // words per document
  double averageLength_ = 1;
  Ranking ranking_;
};

// Splits a query into words and quoted phrases ("…" or “…”), folded as the index folds.
WordQuery ParseWordQuery(std::string_view text);

}  // namespace pelvaron::search
