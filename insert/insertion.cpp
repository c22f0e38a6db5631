#include "insert/insertion.hpp"

#include "insert/arabic_insert.hpp"
#include "insert/latin_insert.hpp"
#include "insert/segments.hpp"
#include "insert/translation.hpp"

namespace pelvaron {
namespace {

int16_t Short(int value) { return static_cast<int16_t>(value); }

std::vector<VerseSegment> SegmentsOf(const InsertRequest& request) {
  if (!request.segments.empty()) return request.segments;
  return {{request.surah, request.firstVerse, request.lastVerse}};
}

std::vector<std::vector<std::string>> ReadLatin(const ModuleState& state,
                                                const std::vector<VerseSegment>& segments, bool latin) {
  std::vector<std::vector<std::string>> lines(segments.size());
  if (!latin) return lines;
  for (std::size_t i = 0; i < segments.size(); ++i)
    lines[i] = ReadLatinRange(state, Short(segments[i].surah), Short(segments[i].firstVerse),
                              Short(segments[i].lastVerse));
  return lines;
}

// The headings' texts, when some surah of a request of segments is entered at its first verse.
SurahHeadingTexts ReadHeadings(const ModuleState& state, const InsertRequest& request) {
  for (const VerseSegment& segment : request.segments)
    if (segment.firstVerse == 1) return ReadSurahHeadingTexts(state);
  return {};
}

}  // namespace

Insertion::Insertion(const ModuleState& state, DocumentOps& doc, const InsertRequest& request)
    : state_(state),
      doc_(doc),
      request_(request),
      fonts_(MakeFontMode(state, doc)),
      arabic_(request.what == InsertWhat::All || request.what == InsertWhat::Arabic),
      latin_(request.latin || request.what == InsertWhat::Latin),
      translated_(request.what == InsertWhat::All || request.what == InsertWhat::Translation),
      segments_(SegmentsOf(request)),
      cited_(CitationText(state, request.cite, segments_)),
      latinLines_(ReadLatin(state, segments_, latin_)),
      headings_(ReadHeadings(state, request)) {}

void Insertion::Arabic(int surah, int first, int last) {
  InsertArabicRange(state_, doc_, *fonts_, Short(surah), Short(first), Short(last), request_.runOn);
}

void Insertion::Latin(int first, const std::vector<std::string>& lines) {
  InsertLatinLines(doc_, *fonts_, Short(first), lines);
}

void Insertion::Translation(int surah, int first, int last, int before, int total) {
  InsertTranslationRange(state_, doc_, *fonts_, Short(surah), Short(first), Short(last), {before, total});
}

void Insertion::Cite(const std::string& text) { InsertCitation(doc_, *fonts_, request_.cite, text); }

void Insertion::PerVerse() {
  SegmentVerses(0, 0);
  Cite(cited_);
}

bool Insertion::Blocks(const BeforeTranslation& beforeTranslation) {
  std::optional<InsertRequest> range = request_;
  if (request_.what != InsertWhat::Translation) {
    if (arabic_) Arabic(request_.surah, request_.firstVerse, request_.lastVerse);
    if (latin_) Latin(request_.firstVerse, latinLines_[0]);
    if (!translated_) {
      Cite(cited_);
      return true;
    }
    if (beforeTranslation) range = beforeTranslation(request_);
    if (!range) return false;
  } else if (latin_) {
    Latin(request_.firstVerse, latinLines_[0]);
  }
  Translation(range->surah, range->firstVerse, range->lastVerse);
  Cite(CitationText(state_, request_.cite, range->surah, range->firstVerse, range->lastVerse));
  return true;
}

// Segment `index`'s verses, in blocks or verse by verse; `before` verses of the request came
// before it.
void Insertion::SegmentVerses(std::size_t index, int before) {
  const VerseSegment& s = segments_[index];
  const std::vector<std::string>& latin = latinLines_[index];
  if (!request_.perVerse) {
    if (arabic_) Arabic(s.surah, s.firstVerse, s.lastVerse);
    if (latin_) Latin(s.firstVerse, latin);
    if (translated_) Translation(s.surah, s.firstVerse, s.lastVerse, before, VerseCount(segments_));
    return;
  }
  for (int v = s.firstVerse; v <= s.lastVerse; ++v) {
    if (arabic_) Arabic(s.surah, v, v);
    if (latin_) Latin(v, {latin[static_cast<std::size_t>(v - s.firstVerse)]});
    if (translated_) Translation(s.surah, v, v);
  }
}

void Insertion::Segments() {
  int before = 0;
  for (std::size_t i = 0; i < segments_.size(); ++i) {
    if (segments_[i].firstVerse == 1)
      InsertSurahHeading(state_, doc_, *fonts_, headings_, segments_[i].surah, arabic_);
    SegmentVerses(i, before);
    before += segments_[i].lastVerse - segments_[i].firstVerse + 1;
  }
  Cite(cited_);
}

}  // namespace pelvaron
