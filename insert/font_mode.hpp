#pragma once
// How one insertion sets fonts and sizes, chosen once from the pack. Word draws Arabic in
// the selection's complex-script font and size, which Font.Name and Font.Size do not change.
//
// A pack that names no Quran font (no settings file) types exactly the operations it always
// did: a font and size before every glyph, "(normal text)" as a font name. A pack that names
// one is typed in runs: "(normal text)" is a placeholder of the glyph format, never a font
// given to the document; the Arabic takes the pack's font as both its font and its
// complex-script font, each size is set for both scripts, and a property is set only when
// it changes within the insertion. After the Arabic the document's own font comes back.

#include <cstdint>
#include <memory>
#include <string>

#include "insert/document_ops.hpp"
#include "module/state.hpp"

namespace pelvaron {

class FontMode {
 public:
  virtual ~FontMode() = default;
  // Before each Arabic verse.
  virtual void ArabicSize(float points) = 0;
  // One glyph piece of a verse, `glyphFont` as the glyph format names it.
  virtual void Piece(const std::string& glyphFont, int32_t characterNumber) = 0;
  // The blank after a word.
  virtual void Blank() = 0;
  // After a verse's last blank: whatever is held back is typed.
  virtual void EndVerse() = 0;
  // After the Arabic (verses or a citation): the document's own font for what follows.
  virtual void EndArabic() = 0;
  // The Latin's font: the document's own.
  virtual void TextFont() = 0;
  // The Latin's and the translation's size.
  virtual void TextSize(float points) = 0;
  // An Arabic citation's font: the glyph format's normal text.
  virtual void CitationFont() = 0;
};

// Runs when the pack names its Quran font, else glyph by glyph; writes to `doc`.
std::unique_ptr<FontMode> MakeFontMode(const ModuleState& state, DocumentOps& doc);

}  // namespace pelvaron
