#pragma once
// A verse's Arabic text as an AQO2.TXT line: every character a glyph piece in the normal
// text font, words split at blanks, closed by the verse-end sign and the verse number.

#include <string>

#include "pack/quran_source.hpp"

namespace pelvaron::pack {

std::string ArabicVerseLine(const SourceVerse& verse, int verseNumber);

// `number` in Arabic-Indic digits ("١٢" for 12).
std::string ArabicIndicNumber(int number);

}  // namespace pelvaron::pack
