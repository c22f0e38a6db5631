#include "insert/script_fonts.hpp"

#include "data/format.hpp"

namespace pelvaron {

bool TypesRuns(const ModuleState& state) { return !state.ArabicFont.empty(); }

void SetInsertionFont(const ModuleState& state, DocumentOps& doc, const std::string& name) {
  doc.SetFontName(name);
  if (!state.ArabicFont.empty() && name == kNormalTextFont) doc.SetFontNameBi(state.ArabicFont);
}

void SetInsertionSize(const ModuleState& state, DocumentOps& doc, float points) {
  doc.SetFontSize(points);
  if (!state.ArabicFont.empty()) doc.SetFontSizeBi(points);
}

const std::string& RunFonts::NameOf(const std::string& glyphFont) const {
  return glyphFont == kNormalTextFont ? state_.ArabicFont : glyphFont;
}

void RunFonts::Font(const std::string& glyphFont) {
  const std::string& name = NameOf(glyphFont);
  if (name_ == name) return;
  doc_.SetFontName(name);
  doc_.SetFontNameBi(name);
  name_ = name;
}

void RunFonts::Size(float points) {
  if (size_ == points) return;
  doc_.SetFontSize(points);
  doc_.SetFontSizeBi(points);
  size_ = points;
}

void RunFonts::Reset() {
  doc_.ResetFont();
  name_.reset();
  size_.reset();
}

}  // namespace pelvaron
