#include "insert/arabic_insert.hpp"

#include <string>

#include "data/arabic_text.hpp"

namespace pelvaron {
namespace {

// Where a range's verses have got to: the glyph font in force, and the last line read.
struct VerseCursor {
  std::string font;
  std::string line;
};

// The words of the verse's line. No line for this verse (a line number below 1, which
// damaged positions can give): the previous verse's line is typed again rather than
// nothing, as the add-in always has.
std::vector<ArabicWord> VerseWords(const ModuleState& state, int16_t surah, int16_t verse,
                                   std::string& currentLine) {
  if (auto line = ReadArabicLine(state, surah, verse)) currentLine = std::move(*line);
  return ParseArabicLine(currentLine);
}

void InsertVerse(const ModuleState& state, DocumentOps& doc, FontMode& fonts, int16_t surah, int16_t verse,
                 VerseCursor& cursor) {
  fonts.ArabicSize(kArabicFontSize);
  doc.RtlRun();
  doc.RtlPara();
  doc.SetAlignment(kAlignJustify);
  TypeArabicWords(fonts, VerseWords(state, surah, verse, cursor.line), cursor.font);
  fonts.EndVerse();
}

// One verse with the screen frozen, then a yield to the host.
void InsertFrozenVerse(const ModuleState& state, DocumentOps& doc, FontMode& fonts, int16_t surah,
                       int16_t verse, VerseCursor& cursor) {
  try {
    doc.SetScreenUpdating(false);
    InsertVerse(state, doc, fonts, surah, verse, cursor);
    doc.SetScreenUpdating(true);
    doc.Yield();
  } catch (...) {
    // Word's window must not stay frozen after a failed verse.
    try {
      doc.SetScreenUpdating(true);
    } catch (...) {
    }
    throw;
  }
}

}  // namespace

void TypeArabicWords(FontMode& fonts, const std::vector<ArabicWord>& words, std::string& font,
                     bool blankAfterLast) {
  for (std::size_t w = 0; w < words.size(); ++w) {
    for (const GlyphPiece& piece : words[w]) {
      if (const auto selected = piece.SelectedFont(); !selected.empty()) font = selected;
      if (!piece.IsBlank()) fonts.Piece(font, piece.CharacterNumber());
    }
    if (blankAfterLast || w + 1 < words.size()) fonts.Blank();
  }
}

void InsertArabicRange(const ModuleState& state, DocumentOps& doc, FontMode& fonts, int16_t surah,
                       int16_t firstVerse, int16_t lastVerse, bool runOn) {
  VerseCursor cursor;
  doc.RtlPara();
  for (int32_t v = firstVerse; v <= lastVerse; ++v) {
    InsertFrozenVerse(state, doc, fonts, surah, static_cast<int16_t>(v), cursor);
    if (!runOn) doc.TypeParagraphThroughGlobal();
  }
  doc.EndKey(kUnitLine);
  doc.TypeParagraph();
  // What is typed after the Arabic (the translation, the user's own text) is in the
  // document's font again, not in the Quran font.
  fonts.EndArabic();
  doc.LtrPara();
  doc.LtrRun();
  doc.SetAlignment(kAlignJustify);
}

void InsertArabicRange(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t firstVerse,
                       int16_t lastVerse, bool runOn) {
  InsertArabicRange(state, doc, *MakeFontMode(state, doc), surah, firstVerse, lastVerse, runOn);
}

}  // namespace pelvaron
