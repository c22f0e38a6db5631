#include "search/search_engine.hpp"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "data/surah_names.hpp"
#include "module/error.hpp"
#include "module/text.hpp"
#include "search/division_query.hpp"
#include "search/latin_index.hpp"
#include "search/reference.hpp"
#include "search/spelling.hpp"
#include "search/surah_names.hpp"
#include "search/verse_texts.hpp"
#include "search/well_known.hpp"
#include "search/word_index.hpp"

namespace pelvaron::search {
namespace {

constexpr std::size_t kSnippetLength = 100;  // code points
constexpr int kWordsBeforeMatch = 3;

std::size_t CodePointCount(std::string_view text) {
  std::size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// About kSnippetLength characters of `text`, from a few words before word `position`, cut at word ends.
std::string Snippet(const std::string& text, int position) {
  if (CodePointCount(text) <= kSnippetLength) return text;
  const std::vector<Token> tokens = Tokenize(text);
  if (tokens.empty()) return text.substr(0, kSnippetLength);
  const int from = std::max(0, std::min(position, static_cast<int>(tokens.size()) - 1) - kWordsBeforeMatch);
  const std::size_t start = from == 0 ? 0 : tokens[static_cast<std::size_t>(from)].begin;
  std::size_t end = start;
  for (std::size_t i = static_cast<std::size_t>(from); i < tokens.size(); ++i) {
    if (CodePointCount(std::string_view(text).substr(start, tokens[i].end - start)) > kSnippetLength &&
        end > start)
      break;
    end = tokens[i].end;
  }
  std::string out = start > 0 ? "\u2026" : "";
  out += text.substr(start, end - start);
  if (end < text.size()) out += "\u2026";
  return out;
}

std::string SurahLabel(const ModuleState& state, int surah) {
  return TrimmedName(state.Surah(surah)) + " [" + std::to_string(surah) + "]";
}

}  // namespace

namespace {

// The surah index writes ث as th (Al-Jathiyah, Al-Kawthar) and ط as t; people write ث ts or s,
// which the folds read as s: the index's names are known that way too.
std::string ThReadAsTs(std::string name) {
  for (std::size_t at = 0; (at = name.find('h', at)) != std::string::npos; ++at)
    if (at > 0 && (name[at - 1] == 't' || name[at - 1] == 'T')) name[at] = 's';
  return name;
}

}  // namespace

SurahNameMatcher SurahNamesOf(const ModuleState& state) {
  SurahNameMatcher names;
  for (int s = 1; s <= kSurahCount; ++s) names.Add(TrimmedName(state.Surah(s)), s);
  try {
    const auto arabicNames = ReadArabicSurahNames(state);
    for (int s = 1; s <= kSurahCount; ++s) names.Add(arabicNames[static_cast<std::size_t>(s)], s);
  } catch (const Error&) {
    // a pack from before surahnames.txt: Arabic surah names are then not understood
  }
  for (const WellKnownName& entry : ParseWellKnownNames(WellKnownNamesText(), "well_known_verses.txt"))
    if (entry.ranges.size() == 1 && entry.ranges[0].firstVerse == 0)
      names.Add(entry.name, entry.ranges[0].surah);
  // last, so that no name as written is displaced
  for (int s = 1; s <= kSurahCount; ++s) names.Add(ThReadAsTs(TrimmedName(state.Surah(s))), s);
  return names;
}

struct SearchEngine::Index {
  std::vector<VerseText> verses;
  std::vector<int> firstDocument;  // by surah: the document of its verse 1
  WordIndex translation;
  // Arabic queries are pieces of a verse people remember: a long verse holding the piece, or
  // holding its words more than once, is as good a match as a short one, so neither counts and
  // ties keep the order of the mushaf.
  WordIndex arabic{{.lengthWeight = 0.0, .countRepeats = false}};
  LatinIndex latin;  // empty when the pack has no Latin reading
  SurahNameMatcher surahNames;
  std::unordered_map<std::string, std::vector<VerseRange>> wellKnown;  // by normalised name
  SpellingVariants spelling{SpellingVariantsText(), "spelling_variants.txt"};
  std::optional<Divisions> divisions;  // read on the first juz or page query: a pack may lack the file
};

SearchEngine::SearchEngine(const ModuleState& state) : state_(state) {}
SearchEngine::~SearchEngine() = default;

void SearchEngine::BuildIndex() {
  if (index_) return;
  auto index = std::make_unique<Index>();
  index->verses = ReadVerseTexts(state_);
  index->firstDocument.assign(kSurahCount + 2, 0);
  for (std::size_t d = 0; d < index->verses.size(); ++d) {
    const VerseText& verse = index->verses[d];
    if (verse.verse == 1) index->firstDocument[static_cast<std::size_t>(verse.surah)] = static_cast<int>(d);
    index->translation.Add(Tokenize(verse.translation));
    index->arabic.Add(Tokenize(verse.arabic));
  }
  if (std::any_of(index->verses.begin(), index->verses.end(),
                  [](const VerseText& v) { return !v.latin.empty(); })) {
    for (const VerseText& verse : index->verses) index->latin.Add(verse.latin);
    index->latin.Finish();
  }
  index->translation.Finish();
  index->arabic.Finish();

  index->surahNames = SurahNamesOf(state_);
  for (const WellKnownName& entry : ParseWellKnownNames(WellKnownNamesText(), "well_known_verses.txt"))
    index->wellKnown.try_emplace(NormaliseSurahName(entry.name), entry.ranges);
  index_ = std::move(index);
}

namespace {

// An empty query, or one without letters or digits, is an input error saying so.
void CheckQuery(std::string_view query) {
  if (TrimSpaces(query).empty()) throw Error(ErrorKind::Input, "the query is empty");
  if (Tokenize(AsciiDigitsAndDashes(query)).empty())
    throw Error(ErrorKind::Input,
                "the query \"" + std::string(query) + "\" has no letters or digits to search for");
}

}  // namespace

std::vector<SearchResult> SearchEngine::Find(std::string_view query, int limit) {
  CheckQuery(query);
  BuildIndex();
  if (const auto named = index_->wellKnown.find(NormaliseSurahName(query)); named != index_->wellKnown.end())
    return ListNamed(named->second, limit);
  if (const std::string topic = TopicName(query); !topic.empty())
    if (const auto named = index_->wellKnown.find(NormaliseSurahName(topic));
        named != index_->wellKnown.end())
      return ListNamed(named->second, limit);
  if (const auto division = ParseDivisionQuery(query)) return ListDivision(*division, limit);
  if (const auto reference = ParseReference(query, index_->surahNames))
    return ListReference(*reference, limit);
  return FindWords(query, limit);
}

SearchResult SearchEngine::RangeResult(int surah, int first, int last) const {
  return SpanResult({surah, first}, {surah, last});
}

SearchResult SearchEngine::SpanResult(VerseRef first, VerseRef last) const {
  const std::size_t verse1 =
      static_cast<std::size_t>(index_->firstDocument[static_cast<std::size_t>(first.surah)]);
  const VerseText& verse = index_->verses[verse1 + static_cast<std::size_t>(first.verse - 1)];
  return {.surah = first.surah,
          .verse = first.verse,
          .lastVerse = last.verse,
          .lastSurah = last.surah,
          .score = 1.0,
          .snippet = Snippet(verse.translation, 0)};
}

// The division's whole range first, then its verses in order, as a surah's are listed.
std::vector<SearchResult> SearchEngine::ListDivision(const DivisionQuery& query, int limit) {
  const bool juz = query.kind == DivisionKind::Juz;
  const int count = kDivisionKinds[static_cast<std::size_t>(query.kind)].count;
  if (query.number < 1 || query.number > count)
    throw Error(ErrorKind::Input, std::string(juz ? "juz " : "page ") + std::to_string(query.number) +
                                      " does not exist (" + (juz ? "juz are" : "pages are") + " 1 to " +
                                      std::to_string(count) + ")");
  if (!index_->divisions) index_->divisions = ReadDivisions(state_);
  const VerseSpan span = DivisionSpan(*index_->divisions, query.kind, query.number, state_);
  std::vector<SearchResult> results;
  if (limit < 1) return results;
  results.push_back(SpanResult(span.first, span.last));
  const auto document = [this](VerseRef v) {
    return static_cast<std::size_t>(index_->firstDocument[static_cast<std::size_t>(v.surah)] + v.verse - 1);
  };
  for (std::size_t d = document(span.first);
       d <= document(span.last) && static_cast<int>(results.size()) < limit; ++d) {
    const VerseText& verse = index_->verses[d];
    results.push_back(RangeResult(verse.surah, verse.verse, verse.verse));
  }
  return results;
}

std::vector<SearchResult> SearchEngine::ListSurah(int surah, int limit) const {
  std::vector<SearchResult> results;
  for (int v = 1; v <= state_.Surah(surah).VerseCount && static_cast<int>(results.size()) < limit; ++v)
    results.push_back(RangeResult(surah, v, v));
  return results;
}

std::vector<SearchResult> SearchEngine::ListNamed(const std::vector<VerseRange>& ranges, int limit) const {
  if (ranges.size() == 1 && ranges[0].firstVerse == 0) return ListSurah(ranges[0].surah, limit);
  std::vector<SearchResult> results;
  for (const VerseRange& r : ranges) {
    if (static_cast<int>(results.size()) >= limit) break;
    // A pack whose surah is shorter than the name says (a test pack) gives what it holds.
    const int count = state_.Surah(r.surah).VerseCount;
    const int first = r.firstVerse == 0 ? 1 : r.firstVerse;
    if (first <= count)
      results.push_back(
          RangeResult(r.surah, first, r.firstVerse == 0 ? count : std::min(r.lastVerse, count)));
  }
  return results;
}

std::vector<SearchResult> SearchEngine::ListReference(const Reference& reference, int limit) const {
  if (reference.surah < 1 || reference.surah > kSurahCount)
    throw Error(ErrorKind::Input,
                "surah " + std::to_string(reference.surah) + " does not exist (surahs are 1 to 114)");
  if (reference.surahAlone) return ListSurah(reference.surah, limit);
  const int count = state_.Surah(reference.surah).VerseCount;
  const auto outside = [count](int v) { return v < 1 || v > count; };
  if (outside(reference.firstVerse) || outside(reference.lastVerse) ||
      reference.firstVerse > reference.lastVerse) {
    std::string asked = std::to_string(reference.surah) + ":" + std::to_string(reference.firstVerse);
    if (reference.lastVerse != reference.firstVerse) asked += "\u2013" + std::to_string(reference.lastVerse);
    throw Error(ErrorKind::Input, SurahLabel(state_, reference.surah) + " has verses 1\u2013" +
                                      std::to_string(count) + ": " + asked + " is not among them");
  }
  return {RangeResult(reference.surah, reference.firstVerse, reference.lastVerse)};
}

// A match of either kind, ranked: coverage steps first, then the kind whose best match is
// better, then the order its own index gave.
struct SearchEngine::Ranked {
  int step;    // coverage in steps of 5%
  int source;  // 0 first, 1 second
  std::size_t rank;
  int document;
  double coverage;
  const std::string* text;
  int position;
};

std::vector<SearchEngine::Ranked> SearchEngine::RankWords(std::string_view query, bool arabic) const {
  const Index& index = *index_;
  WordQuery words = ParseWordQuery(query);
  if (!arabic) index.spelling.Apply(words);
  const std::vector<WordHit> wordHits = (arabic ? index.arabic : index.translation).Search(words);
  const std::vector<LatinHit> latinHits = arabic ? std::vector<LatinHit>{} : index.latin.Search(query);
  const bool latinFirst =
      !latinHits.empty() && (wordHits.empty() || latinHits[0].coverage > wordHits[0].coverage);
  std::vector<Ranked> ranked;
  for (std::size_t i = 0; i < wordHits.size(); ++i) {
    const WordHit& hit = wordHits[i];
    const VerseText& verse = index.verses[static_cast<std::size_t>(hit.document)];
    ranked.push_back({CoverageStep(hit.coverage), latinFirst ? 1 : 0, i, hit.document, hit.coverage,
                      arabic ? &verse.arabic : &verse.translation, hit.firstPosition});
  }
  for (std::size_t i = 0; i < latinHits.size(); ++i) {
    const LatinHit& hit = latinHits[i];
    ranked.push_back({CoverageStep(hit.coverage), latinFirst ? 0 : 1, i, hit.document, hit.coverage,
                      &index.verses[static_cast<std::size_t>(hit.document)].latin, hit.firstPosition});
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
    return a.step != b.step ? a.step > b.step : a.source != b.source ? a.source < b.source : a.rank < b.rank;
  });
  return ranked;
}

// Words of the translation or the Arabic, and the Latin reading: both kinds of match in one
// list, each verse once.
std::vector<SearchResult> SearchEngine::FindWords(std::string_view query, int limit) const {
  std::vector<SearchResult> results;
  std::vector<bool> listed(index_->verses.size(), false);
  for (const Ranked& r : RankWords(query, HasArabicLetter(query))) {
    if (static_cast<int>(results.size()) >= limit) break;
    if (listed[static_cast<std::size_t>(r.document)]) continue;  // found both ways
    listed[static_cast<std::size_t>(r.document)] = true;
    const VerseText& verse = index_->verses[static_cast<std::size_t>(r.document)];
    results.push_back({.surah = verse.surah,
                       .verse = verse.verse,
                       .lastVerse = verse.verse,
                       .lastSurah = verse.surah,
                       .score = r.coverage,
                       .snippet = Snippet(*r.text, r.position)});
  }
  return results;
}

std::string VerseLabel(const SearchResult& result) {
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
  std::string label = std::to_string(result.surah);
  label += ':';
  label += std::to_string(result.verse);
  if (result.lastSurah > result.surah) {
    label += '-';
    label += std::to_string(result.lastSurah);
    label += ':';
    label += std::to_string(result.lastVerse);
  } else if (result.lastVerse != result.verse) {
    label += '-';
    label += std::to_string(result.lastVerse);
  }
  return label;
}

}  // namespace pelvaron::search
