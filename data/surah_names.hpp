#pragma once
// surahnames.txt: the surahs' Arabic names, UTF-8, one a line, surah 1 first. Newer than the
// other DataQuran files, so a pack may lack it; only the citations and the search read it.

#include <array>
#include <string>

#include "data/format.hpp"  // kSurahNamesFile
#include "module/state.hpp"

namespace pelvaron {

// Entry s is surah s's name; entry 0 stays empty. A missing file, fewer than 114 names or an
// empty name is an error naming the file and the line.
std::array<std::string, kSurahCount + 1> ReadArabicSurahNames(const ModuleState& state);

}  // namespace pelvaron
