#include "insert/script_fonts.hpp"

#include "data/format.hpp"

namespace pelvaron {

void SetInsertionFont(const ModuleState& state, DocumentOps& doc, const std::string& name) {
  doc.SetFontName(name);
  if (!state.ArabicFont.empty() && name == kNormalTextFont) doc.SetFontNameBi(state.ArabicFont);
}

void SetInsertionSize(const ModuleState& state, DocumentOps& doc, float points) {
  doc.SetFontSize(points);
  if (!state.ArabicFont.empty()) doc.SetFontSizeBi(points);
}

}  // namespace pelvaron
