#include "insert/segments.hpp"

#include "insert/insert_request.hpp"
#include "module/error.hpp"

namespace pelvaron {
namespace {

void CheckVerse(const ModuleState& state, VerseRef verse) {
  if (verse.surah < 1 || verse.surah > kSurahCount)
    throw Error(ErrorKind::Input,
                "surah " + std::to_string(verse.surah) + " does not exist (surahs are 1 to 114)");
  if (verse.verse < 1 || verse.verse > state.Surah(verse.surah).VerseCount)
    throw Error(ErrorKind::Input, kVerseMissing);
}

std::string SegmentText(const VerseSegment& segment) {
  return VerseRefText({segment.surah, segment.firstVerse}) + "\u2013" + std::to_string(segment.lastVerse);
}

}  // namespace

std::vector<VerseSegment> SegmentsBetween(const ModuleState& state, VerseRef first, VerseRef last) {
  CheckVerse(state, first);
  CheckVerse(state, last);
  if (last < first)
    throw Error(ErrorKind::Input,
                VerseRefText(first) + " comes after " + VerseRefText(last) + ": a reversed range");
  std::vector<VerseSegment> segments;
  for (int s = first.surah; s <= last.surah; ++s)
    segments.push_back(
        {s, s == first.surah ? first.verse : 1, s == last.surah ? last.verse : state.Surah(s).VerseCount});
  return segments;
}

std::vector<VerseSegment> DivisionSegments(const ModuleState& state, DivisionKind kind, int number) {
  const VerseSpan span = DivisionSpan(ReadDivisions(state), kind, number, state);
  return SegmentsBetween(state, span.first, span.last);
}

void CheckSegments(const ModuleState& state, const std::vector<VerseSegment>& segments) {
  if (segments.empty()) throw Error(ErrorKind::Input, "a request across surahs without verses");
  int previous = 0;
  for (const VerseSegment& segment : segments) {
    CheckVerse(state, {segment.surah, segment.firstVerse});
    CheckVerse(state, {segment.surah, segment.lastVerse});
    if (segment.surah <= previous || segment.firstVerse > segment.lastVerse)
      throw Error(ErrorKind::Input, "verses " + SegmentText(segment) + " run backwards or out of order");
    previous = segment.surah;
  }
}

int VerseCount(const std::vector<VerseSegment>& segments) {
  int count = 0;
  for (const VerseSegment& segment : segments) count += segment.lastVerse - segment.firstVerse + 1;
  return count;
}

}  // namespace pelvaron
