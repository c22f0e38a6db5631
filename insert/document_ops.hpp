#pragma once
// Every change the insertions make to a document goes through these operations, each
// acting at the document's insertion point. Sinks: the trace writer, the .docx builder, the
// bindings to a running Word and to LibreOffice Writer. A failing operation throws; what was
// typed before stays.
//
// A run of text in one font is a font change (SetFontName, SetFontNameBi) followed by one
// TypeText of the whole run: packs that name their Quran font type each verse's Arabic that
// way (insert/font_mode.hpp), the glyph packs one InsertSymbol a glyph.

#include <cstdint>
#include <string>

namespace pelvaron {

inline constexpr int32_t kAlignLeft = 0;
inline constexpr int32_t kAlignJustify = 3;
inline constexpr int32_t kUnitLine = 5;

class DocumentOps {
 public:
  virtual ~DocumentOps() = default;

  virtual void SetScreenUpdating(bool on) = 0;
  virtual void SetFontSize(float points) = 0;
  virtual void SetFontName(const std::string& name) = 0;
  // The complex-script font and size (Word's Font.NameBi, Font.SizeBi), which Arabic is
  // drawn in; Font.Name and Font.Size leave them as they are.
  virtual void SetFontNameBi(const std::string& name) = 0;
  virtual void SetFontSizeBi(float points) = 0;
  // Italic for what is typed next (Word's Font.Italic). Only the Latin reading is italic; it
  // turns italic off again after itself, so other text never meets this operation.
  virtual void SetItalic(bool on) = 0;
  // One character, `characterNumber` in `font`; the insertion point stands after it.
  virtual void InsertSymbol(int32_t characterNumber, const std::string& font, bool unicode, int32_t bias) = 0;
  virtual void TypeText(const std::string& text) = 0;
  // Character formatting back to the paragraph style's: the document's own font and size
  // for what is typed next (Word's Font.Reset).
  virtual void ResetFont() = 0;
  virtual void TypeParagraph() = 0;
  // The paragraph mark that ends an Arabic verse; Word takes it through its Global object,
  // at the same insertion point as every other operation.
  virtual void TypeParagraphThroughGlobal() = 0;
  virtual void EndKey(int32_t unit) = 0;
  virtual void SetAlignment(int32_t alignment) = 0;
  virtual void RtlPara() = 0;
  virtual void LtrPara() = 0;
  virtual void RtlRun() = 0;
  virtual void LtrRun() = 0;
  // Lets the host handle its pending window messages.
  virtual void Yield() = 0;
};

}  // namespace pelvaron
