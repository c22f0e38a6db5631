#include "insert/arabic_insert.hpp"

#include <optional>
#include <string>

#include "data/arabic_text.hpp"
#include "insert/script_fonts.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

// The words of the verse's line. No line for this verse (a line number below 1, which
// damaged positions can give): the previous verse's line is typed again rather than
// nothing, as the add-in always has.
std::vector<ArabicWord> VerseWords(const ModuleState& state, int16_t surah, int16_t verse,
                                   std::string& currentLine) {
  if (auto line = ReadArabicLine(state, surah, verse)) currentLine = std::move(*line);
  return ParseArabicLine(currentLine);
}

// One verse, glyph by glyph.
void InsertVerseGlyphs(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t verse,
                       std::string& currentFont, std::string& currentLine) {
  SetInsertionSize(state, doc, kArabicFontSize);
  doc.RtlRun();
  doc.RtlPara();
  doc.SetAlignment(kAlignJustify);
  for (const ArabicWord& word : VerseWords(state, surah, verse, currentLine)) {
    for (const GlyphPiece& piece : word) {
      if (const auto font = piece.SelectedFont(); !font.empty()) currentFont = font;
      if (piece.IsBlank()) continue;
      SetInsertionFont(state, doc, currentFont);
      doc.InsertSymbol(piece.CharacterNumber(), currentFont, true, 0);
    }
    SetInsertionFont(state, doc, std::string(kNormalTextFont));
    doc.TypeText(" ");
  }
}

// A character number that text can carry; any other (a control character, a surrogate, past
// Unicode) still goes in as a symbol.
bool IsTypable(int32_t n) { return n >= 0x20 && n <= 0x10FFFF && !(n >= 0xD800 && n <= 0xDFFF); }

// One verse as runs: consecutive pieces of one font, the blanks between words included, are
// typed as one text.
void InsertVerseRuns(const ModuleState& state, RunFonts& fonts, DocumentOps& doc, int16_t surah,
                     int16_t verse, std::string& currentFont, std::string& currentLine) {
  fonts.Size(kArabicFontSize);
  doc.RtlRun();
  doc.RtlPara();
  doc.SetAlignment(kAlignJustify);
  std::string run, runFont;
  const auto flush = [&] {
    if (run.empty()) return;
    fonts.Font(runFont);
    doc.TypeText(run);
    run.clear();
  };
  const auto add = [&](const std::string& font, char32_t c) {
    if (font != runFont) flush();
    runFont = font;
    AppendUtf8(run, c);
  };
  for (const ArabicWord& word : VerseWords(state, surah, verse, currentLine)) {
    for (const GlyphPiece& piece : word) {
      if (const auto font = piece.SelectedFont(); !font.empty()) currentFont = font;
      if (piece.IsBlank()) continue;
      const int32_t n = piece.CharacterNumber();
      if (IsTypable(n)) {
        add(currentFont, static_cast<char32_t>(n));
        continue;
      }
      flush();
      fonts.Font(currentFont);
      doc.InsertSymbol(n, fonts.NameOf(currentFont), true, 0);
    }
    add(kNormalTextFont, U' ');
  }
  flush();
}

}  // namespace

void InsertArabicRange(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t firstVerse,
                       int16_t lastVerse, bool runOn) {
  std::string currentFont;
  std::string currentLine;
  std::optional<RunFonts> runs;
  if (TypesRuns(state)) runs.emplace(state, doc);
  doc.RtlPara();
  for (int32_t v = firstVerse; v <= lastVerse; ++v) {
    try {
      const auto verse = static_cast<int16_t>(v);
      doc.SetScreenUpdating(false);
      if (runs)
        InsertVerseRuns(state, *runs, doc, surah, verse, currentFont, currentLine);
      else
        InsertVerseGlyphs(state, doc, surah, verse, currentFont, currentLine);
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
    if (!runOn) doc.TypeParagraphThroughGlobal();
  }
  doc.EndKey(kUnitLine);
  doc.TypeParagraph();
  // What is typed after the Arabic (the translation, the user's own text) is in the
  // document's font again, not in the Quran font.
  if (runs) runs->Reset();
  doc.LtrPara();
  doc.LtrRun();
  doc.SetAlignment(kAlignJustify);
}

}  // namespace pelvaron
