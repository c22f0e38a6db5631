#include "insert/segments.hpp"

#include <charconv>

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

std::optional<VerseRef> ParseVerseRef(std::string_view text) {
  const auto number = [](std::string_view digits) -> std::optional<int> {
    if (digits.empty() || digits.size() > 3 || digits.find_first_not_of("0123456789") != digits.npos)
      return {};
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
  };
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return {};
  const std::optional<int> surah = number(text.substr(0, colon)), verse = number(text.substr(colon + 1));
  if (!surah || !verse) return {};
  return VerseRef{*surah, *verse};
}

std::vector<VerseSegment> ChosenSegments(const ModuleState& state, const VerseChoice& choice) {
  if (choice.from && choice.to) return SegmentsBetween(state, *choice.from, *choice.to);
  if (choice.juz != 0) return DivisionSegments(state, DivisionKind::Juz, choice.juz);
  if (choice.page != 0) return DivisionSegments(state, DivisionKind::Page, choice.page);
  return {};
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
