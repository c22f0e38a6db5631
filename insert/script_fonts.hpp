#pragma once
// Font name and size as the insertions set them. Word draws Arabic in the selection's
// complex-script font and size, which Font.Name and Font.Size do not change.
//
// A pack that names no Quran font (no settings file) types exactly the operations it always
// did: a font and size before every glyph, "(normal text)" as a font name. A pack that names
// one is typed in runs: "(normal text)" is a placeholder of the glyph format, never a font
// given to the document; the Arabic takes the pack's font as both its font and its
// complex-script font, each size is set for both scripts, and a property is set only when
// it changes within the insertion. After the Arabic the document's own font comes back.

#include <optional>
#include <string>

#include "insert/document_ops.hpp"
#include "module/state.hpp"

namespace pelvaron {

// True when the pack names its Quran font: the Arabic is typed in runs.
bool TypesRuns(const ModuleState& state);

void SetInsertionFont(const ModuleState& state, DocumentOps& doc, const std::string& name);
void SetInsertionSize(const ModuleState& state, DocumentOps& doc, float points);

// What one insertion has set so far, for a pack that types runs; forgotten when the
// document's own font comes back.
class RunFonts {
 public:
  RunFonts(const ModuleState& state, DocumentOps& doc) : state_(state), doc_(doc) {}
  // `glyphFont` as the glyph format names it ("(normal text)" or a glyph font).
  void Font(const std::string& glyphFont);
  // The name the document gets for `glyphFont`: the pack's font for "(normal text)".
  const std::string& NameOf(const std::string& glyphFont) const;
  void Size(float points);
  // ResetFont, after which nothing is known to be set.
  void Reset();

 private:
  const ModuleState& state_;
  DocumentOps& doc_;
  std::optional<std::string> name_;
  std::optional<float> size_;
};

}  // namespace pelvaron
