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
  AppendUtf8(text, verseEnd == VerseEnd::AyahSign ? U'\u06DD' : U'\uFD3F');
  text += ArabicIndicNumber(verseNumber);
  if (verseEnd == VerseEnd::Brackets) AppendUtf8(text, U'\uFD3E');
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
