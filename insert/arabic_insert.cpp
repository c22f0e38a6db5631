#include "insert/arabic_insert.hpp"

#include <string>

#include "data/arabic_text.hpp"
#include "insert/script_fonts.hpp"

namespace pelvaron {
namespace {

// One verse, from switching screen updating off to the yield after it.
void InsertVerse(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t verse, std::string& currentFont,
                 std::string& currentLine) {
  doc.SetScreenUpdating(false);
  SetInsertionSize(state, doc, kArabicFontSize);
  doc.RtlRun();
  doc.RtlPara();
  doc.SetAlignment(kAlignJustify);
  // No line for this verse (a line number below 1, which damaged positions can give): the
  // previous verse's line is typed again rather than nothing, as the add-in always has.
  if (auto line = ReadArabicLine(state, surah, verse)) currentLine = std::move(*line);
  for (const ArabicWord& word : ParseArabicLine(currentLine)) {
    for (const GlyphPiece& piece : word) {
      if (const auto font = piece.SelectedFont(); !font.empty()) currentFont = font;
      if (piece.IsBlank()) continue;
      SetInsertionFont(state, doc, currentFont);
      doc.InsertSymbol(piece.CharacterNumber(), currentFont, true, 0);
    }
    SetInsertionFont(state, doc, std::string(kNormalTextFont));
    doc.TypeText(" ");
  }
  doc.SetScreenUpdating(true);
  doc.Yield();
}

}  // namespace

void InsertArabicRange(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t firstVerse,
                       int16_t lastVerse, bool runOn) {
  std::string currentFont;
  std::string currentLine;
  doc.RtlPara();
  for (int32_t v = firstVerse; v <= lastVerse; ++v) {
    try {
      InsertVerse(state, doc, surah, static_cast<int16_t>(v), currentFont, currentLine);
    } catch (...) {
      // Word's window must not stay frozen after a failed verse.
      try {
        doc.SetScreenUpdating(true);
      } catch (...) {
      }
      throw;
    }
    if (!runOn) doc.TypeParagraphThroughGlobal();
  }
  doc.EndKey(kUnitLine);
  doc.TypeParagraph();
  doc.LtrPara();
  doc.LtrRun();
  doc.SetAlignment(kAlignJustify);
}

}  // namespace pelvaron
