#pragma once
// Reading AQO2.TXT (its layout: data/format.hpp).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/format.hpp"
#include "module/state.hpp"

namespace pelvaron {

// One glyph piece as stored: selector digit, a separator never read, and the character
// number plus kGlyphOffset.
struct GlyphPiece {
  std::string Text;

  // The font digit, if the piece has a first character at all.
  std::optional<char> Selector() const;
  // The font the selector names ("HQPB1".."HQPB5", kNormalTextFont), empty for any other.
  std::string_view SelectedFont() const;
  bool IsBlank() const { return Text == kBlankPiece; }
  // The stored number read from the third character on (0 when there is none).
  double Number() const;
  // Number() - kGlyphOffset as the 32-bit character number handed to the document.
  int32_t CharacterNumber() const;
};

using ArabicWord = std::vector<GlyphPiece>;  // in typing order

// Line VersePos(surah) + verse of AQO2.TXT, or the file's last line when it has fewer;
// nothing for a line number below 1. An empty file is a past-end error.
// The file is opened for this call alone and read from its first line, unless a DataFileScope
// keeps it.
std::optional<std::string> ReadArabicLine(const ModuleState& state, int16_t surah, int16_t verse);

// The words of a line, each with its pieces in typing order.
std::vector<ArabicWord> ParseArabicLine(std::string_view line);

// The font for a selector digit, or empty when the digit selects none.
std::string_view FontForSelector(char selector);

// The character number of a stored piece, as GlyphPiece::CharacterNumber reads it; a piece of
// plain digits (every piece a pack builder writes) is read without a copy.
int32_t CharacterNumberOf(std::string_view piece);

// What a line types in kNormalTextFont as UTF-8, words joined by a blank, read as
// ParseArabicLine and the Arabic insertion read it: the glyph fonts' numbers are positions in
// those fonts and say nothing as text. The verse-end ornament closes the text (it, the verse
// number after it and the word it stands in are left out).
std::string NormalTextOfLine(std::string_view line);

}  // namespace pelvaron
