#pragma once
// A verse's Arabic text as an AQO2.TXT line: every character a glyph piece in the normal
// text font, words split at blanks, closed by the verse end and the verse number.

#include <string>

#include "pack/quran_source.hpp"

namespace pelvaron::pack {

enum class VerseEnd {
  AyahSign,  // U+06DD, then the number: one ornament where the font and the program join them
  Brackets,  // the number in ornate parentheses U+FD3F U+FD3E, drawn by any Arabic font; one left-to-right
             // run
};

// `arabic` is the verse's text as the pack stores it (see standard_arabic.hpp).
std::string ArabicVerseLine(std::string_view arabic, int verseNumber, VerseEnd verseEnd);

// The characters that close verse `verseNumber`, as typed (UTF-8).
std::string VerseEndText(int verseNumber, VerseEnd verseEnd);

// `number` in Arabic-Indic digits ("١٢" for 12).
std::string ArabicIndicNumber(int number);

}  // namespace pelvaron::pack
