#include "pack/arabic_verse.hpp"

#include <vector>

#include "data/format.hpp"
#include "module/text.hpp"
#include "pack/format_writer.hpp"
#include "pack/split_words.hpp"

namespace pelvaron::pack {
namespace {

// One normal-text glyph piece for each character of `utf8`.
std::vector<std::string> Pieces(std::string_view utf8) {
  std::vector<std::string> pieces;
  for (std::size_t pos = 0; pos < utf8.size();) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8At(utf8, pos, &length);
    pieces.push_back(GlyphPieceText(kNormalTextSelector, static_cast<int32_t>(c)));
    pos += length;
  }
  return pieces;
}

}  // namespace

std::string ArabicIndicNumber(int number) {
  std::string out;
  for (char digit : std::to_string(number)) AppendUtf8(out, U'\u0660' + static_cast<char32_t>(digit - '0'));
  return out;
}

std::string VerseEndText(int verseNumber, VerseEnd verseEnd) {
  std::string text;
  if (verseEnd == VerseEnd::AyahSign) {
    AppendUtf8(text, U'\u06DD');
    return text + ArabicIndicNumber(verseNumber);
  }
  // The number (bidi class AN) always runs left to right inside the Arabic, and LibreOffice
  // ends a line wherever the direction changes when what follows does not fit, line-breaking
  // rules or not: "\uFD3F" stayed on one line, the number and "\uFD3E" went to the next. So
  // the parentheses join the number's run: a left-to-right mark on either side of each makes
  // it left to right too, and a run of one direction with no break opportunity inside moves
  // as a whole. Left to right means visual order: U+FD3E (drawn on the left) comes first.
  constexpr char32_t kLeftToRightMark = U'\u200E';
  for (char32_t c : {kLeftToRightMark, U'\uFD3E', kLeftToRightMark}) AppendUtf8(text, c);
  text += ArabicIndicNumber(verseNumber);
  for (char32_t c : {kLeftToRightMark, U'\uFD3F', kLeftToRightMark}) AppendUtf8(text, c);
  return text;
}

std::string ArabicVerseLine(std::string_view arabic, int verseNumber, VerseEnd verseEnd) {
  std::vector<std::vector<std::string>> words;
  for (const std::string& word : SplitWords(arabic, " ")) words.push_back(Pieces(word));
  // The verse end and the verse number close the verse as one word, as printed copies do.
  words.push_back(Pieces(VerseEndText(verseNumber, verseEnd)));
  return ArabicLine(words);
}

}  // namespace pelvaron::pack
