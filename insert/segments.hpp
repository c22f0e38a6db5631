#pragma once
// The segments of a request across surahs, from two verses or from a division of the mushaf,
// and their check.

#include <string>
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

// The verses of all the segments.
int VerseCount(const std::vector<VerseSegment>& segments);

}  // namespace pelvaron
