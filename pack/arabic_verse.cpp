#include "pack/arabic_verse.hpp"

#include <vector>

#include "data/format.hpp"
#include "module/text.hpp"
#include "pack/format_writer.hpp"
#include "pack/split_words.hpp"

namespace pelvaron::pack {
namespace {

constexpr char32_t kVerseEndSign = U'\u06DD';

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

std::string ArabicVerseLine(const SourceVerse& verse, int verseNumber) {
  std::vector<std::vector<std::string>> words;
  for (const std::string& word : SplitWords(verse.arabic, " ")) words.push_back(Pieces(word));
  // The verse-end sign and the verse number close the verse, as printed copies do.
  std::vector<std::string> end{GlyphPieceText(kNormalTextSelector, static_cast<int32_t>(kVerseEndSign))};
  for (std::string& piece : Pieces(ArabicIndicNumber(verseNumber))) end.push_back(std::move(piece));
  words.push_back(std::move(end));
  return ArabicLine(words);
}

}  // namespace pelvaron::pack
