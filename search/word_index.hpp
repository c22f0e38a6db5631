#pragma once
// An inverted index over short documents (verses), ranked rather than filtered: every query
// word is optional; a document is a hit when it covers a good share of the query's informative
// words, weighted by how rare they are. Hits are ranked by that share, then by how close and in
// which order the words stand, then by BM25. A word matches a word of the document exactly, as
// its beginning, through one of its alternates, or, when the vocabulary lacks it, within a typo.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "search/near_words.hpp"
#include "search/text_fold.hpp"

namespace pelvaron::search {

struct QueryWord {
  std::string text;                     // folded
  std::vector<std::string> alternates;  // other spellings that count as the word itself
  bool stop = false;                    // costs nothing when missing
};

// A query: optional words, and phrases whose words must occur in order, side by side.
struct WordQuery {
  std::vector<QueryWord> words;
  std::vector<std::vector<std::string>> phrases;
  bool empty() const { return words.empty() && phrases.empty(); }
};

// A share of the query, 0 to 1, in steps of 5% (0 to 20): within a step other things decide.
int CoverageStep(double coverage);

// How a hit ranks: its parts compared in this order, each only breaking the ties of the one before.
struct WordRank {
  // The share of the query's informative words the document holds, in steps of 5% (0 to 20):
  // a verse holding more of what was typed always comes first.
  int coverageStep = 0;
  // How close and in which order the matched words stand, 0 to 10 (see Proximity).
  int closeness = 0;
  // BM25 squeezed into 0 to 49 (49 * bm25 / (bm25 + 10)): rare words, repeated, in a short
  // verse; below one step of closeness however large.
  double relevance = 0;

  static WordRank Of(double coverage, double proximity, double bm25);
  // The three parts in one number, larger first.
  double Value() const { return coverageStep * 1000.0 + closeness * 50.0 + relevance; }
};

struct WordHit {
  int document = 0;
  WordRank rank;
  double coverage = 0;    // the share of the query's informative words the document holds, 0 to 1
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
  struct Term;  // a query word as the search weighs it

  // Adds the next document (numbered from 0) with its words in order.
  void Add(const std::vector<Token>& tokens);
  // Sorts the vocabulary; call once after the last Add and before searching.
  void Finish();

  // The documents covering at least `minCoverage` of the query (and holding its phrases), best first.
  std::vector<WordHit> Search(const WordQuery& query, double minCoverage = 0.34) const;

  int documents() const { return static_cast<int>(documents_.size()); }
  std::size_t terms() const { return vocabulary_.size(); }

 private:
  struct Occurrence {
    int32_t term;
    int32_t position;
  };
  int32_t TermId(const std::string& term);
  // Raises quality[id] for every term `word` is (1) or begins (prefixWeight); true when it is one.
  bool MatchTerms(const std::string& word, float prefixWeight, std::vector<float>& quality) const;
  void MatchTypos(const std::string& word, std::vector<float>& quality) const;
  // The phases of Search.
  struct Matches;
  struct Found;
  Matches Match(const std::vector<Term>& terms) const;
  // The documents covering at least `minCoverage` of the terms' weight, with that share; the
  // best covered kRankedDocuments when there are more.
  std::vector<std::pair<double, int32_t>> Covered(const std::vector<Term>& terms, const Matches& m,
                                                  double minCoverage) const;
  void Locate(int32_t doc, const Matches& m, Found& found) const;
  double Bm25(int32_t doc, const Matches& m, const Found& found) const;

  std::unordered_map<std::string, int32_t> ids_;
  std::vector<std::string> vocabulary_;         // by id
  std::vector<int32_t> sorted_;                 // ids in term order
  NearWords near_;                              // the vocabulary in term order, for typos
  std::vector<std::vector<int32_t>> postings_;  // by id: documents, ascending, once each
  std::vector<std::vector<Occurrence>> documents_;
  std::vector<int32_t> lengths_;  // words per document
  double averageLength_ = 1;
  Ranking ranking_;
};

// Splits a query into words and quoted phrases ("…" or “…”), folded as the index folds.
WordQuery ParseWordQuery(std::string_view text);

}  // namespace pelvaron::search
