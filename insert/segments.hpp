#pragma once
// The segments of a request across surahs, from two verses or from a division of the mushaf,
// and their check.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/divisions.hpp"
#include "insert/verse_segment.hpp"
#include "module/state.hpp"

namespace pelvaron {

// The segments of first..last, one per surah. A surah outside 1..114 is an input error naming
// it, a verse the surah does not have kVerseMissing, `first` after `last` an input error
// naming both.
std::vector<VerseSegment> SegmentsBetween(const ModuleState& state, VerseRef first, VerseRef last);

// The segments of juz, page or another division `number` (not sajdah), from the pack's
// divisions file: a pack without it is a file error naming it, a number outside the kind's
// range an input error saying the range.
std::vector<VerseSegment> DivisionSegments(const ModuleState& state, DivisionKind kind, int number);

// Refuses segments that are empty, hold a verse their surah does not have, run backwards, or
// do not follow each other surah by surah.
void CheckSegments(const ModuleState& state, const std::vector<VerseSegment>& segments);

// Which verses a front end names beyond one surah's range (the request's surah, firstVerse
// and lastVerse): two verses that may cross surahs, a juz or a page. Each front end makes sure
// that only one way is given.
struct VerseChoice {
  std::optional<VerseRef> from{}, to{};
  int juz = 0;
  int page = 0;
};

// "78:1": two whole numbers of at most three digits; none for anything else. Whether the
// surah and verse exist is for SegmentsBetween to say.
std::optional<VerseRef> ParseVerseRef(std::string_view text);

// The segments `choice` names (from..to as segments even within one surah, so a surah entered
// at its first verse gets its heading), or none when it names nothing beyond one surah's range.
std::vector<VerseSegment> ChosenSegments(const ModuleState& state, const VerseChoice& choice);

// The verses of all the segments.
int VerseCount(const std::vector<VerseSegment>& segments);

}  // namespace pelvaron
