#pragma once
// One query box for verses: references, well-known names, Arabic without marks and words of
// the translation. The index is built from the pack on first use and kept.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/divisions.hpp"
#include "module/state.hpp"
#include "search/surah_names.hpp"

namespace pelvaron::search {

struct DivisionQuery;
struct Reference;
struct VerseRange;

// What the user is told when nothing matches.
inline constexpr const char* kNothingFound = "tidak ditemukan";

struct SearchResult {
  int surah = 0;
  int verse = 0;
  int lastVerse = 0;  // equal to verse unless the result is a range
  int lastSurah = 0;  // the range's last surah; equal to surah unless it crosses surahs (a juz, a page)
  // How much of the query the result answers, 0 to 1: 1 for a reference or a well-known name;
  // for words, the share of the query's informative words (weighted by rarity) the verse
  // holds; for a Latin reading, 1 less the share of the query's letters that needed an edit.
  // Results come in 5% steps of it, best first; within a step closeness and BM25 decide.
  double score = 0;
  std::string snippet;  // the verse's text with the matched words, about 100 characters
};

// "S:V", "S:V-W" for a range, "S:V-T:W" for a range across surahs.
std::string VerseLabel(const SearchResult& result);

// Every name the search understands for the pack's surahs: the Latin names of the surah index,
// the Arabic names of surahnames.txt when the pack has it, and the well-known names of whole surahs.
SurahNameMatcher SurahNamesOf(const ModuleState& state);

class SearchEngine {
 public:
  // Reads nothing yet; `state` must have its surah index loaded and outlive the engine.
  explicit SearchEngine(const ModuleState& state);
  ~SearchEngine();

  // Best first, at most `limit`. An empty query, one without letters or digits, or a
  // reference outside the surahs or past a surah's end, a juz or a page, is an input error
  // saying so. A juz or page query on a pack without divisions.txt is a file error naming it.
  std::vector<SearchResult> Find(std::string_view query, int limit);

  // Reads the pack and builds the index, if not done yet.
  void BuildIndex();

 private:
  struct Index;
  struct Ranked;
  SearchResult RangeResult(int surah, int first, int last) const;
  SearchResult SpanResult(VerseRef first, VerseRef last) const;
  std::vector<SearchResult> ListDivision(const DivisionQuery& query, int limit);
  std::vector<SearchResult> ListSurah(int surah, int limit) const;
  std::vector<SearchResult> ListNamed(const std::vector<VerseRange>& ranges, int limit) const;
  std::vector<SearchResult> ListReference(const Reference& reference, int limit) const;
  std::vector<Ranked> RankWords(std::string_view query, bool arabic) const;
  std::vector<SearchResult> FindWords(std::string_view query, int limit) const;
  const ModuleState& state_;
  std::unique_ptr<Index> index_;
};

}  // namespace pelvaron::search
