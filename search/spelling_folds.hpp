#pragma once
// The Indonesian spellings of one Arabic sound folded onto one letter: the one table the
// surah-name fold and the Latin reading's fold share, so a name and a reading spelled alike
// meet alike.

#include <string>
#include <string_view>

namespace pelvaron::search {

// `letters` (folded a-z) with every spelling of the table replaced by its letter, left to
// right: sy/sh/ts → s, th → t, dz/dh/zh → z, gh → g, kh → k, dj → j, q → k, o → a.
std::string FoldSpellings(std::string_view letters);

// `text` with each run of one letter written once.
std::string WithoutDoubles(std::string_view text);

}  // namespace pelvaron::search
