#pragma once
// Writes surahnames.txt (see data/surah_names.hpp) from the source's Arabic surah names.

#include <optional>
#include <string>

#include "pack/quran_source.hpp"

namespace pelvaron::pack {

// One name a line, LF line ends, UTF-8; none when the source lacks a name (the pack is then
// written without the file). A name spanning lines is an error naming the surah.
std::optional<std::string> EncodeSurahNames(const QuranSource& source);

}  // namespace pelvaron::pack
