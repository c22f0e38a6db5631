#include "insert/font_mode.hpp"

#include <optional>

#include "data/format.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

// A font and size before every glyph, each word's blank in "(normal text)".
class GlyphFonts : public FontMode {
 public:
  explicit GlyphFonts(DocumentOps& doc) : doc_(doc) {}
  void ArabicSize(float points) override { doc_.SetFontSize(points); }
  void Piece(const std::string& glyphFont, int32_t characterNumber) override {
    doc_.SetFontName(glyphFont);
    doc_.InsertSymbol(characterNumber, glyphFont, true, 0);
  }
  void Blank() override {
    doc_.SetFontName(std::string(kNormalTextFont));
    doc_.TypeText(" ");
  }
  void EndVerse() override {}
  void EndArabic() override {}
  void TextFont() override { doc_.SetFontName(std::string(kNormalTextFont)); }
  void TextSize(float points) override { doc_.SetFontSize(points); }
  void CitationFont() override { doc_.SetFontName(std::string(kNormalTextFont)); }

 private:
  DocumentOps& doc_;
};

// A character number that text can carry; any other (a control character, a surrogate, past
// Unicode) still goes in as a symbol.
bool IsTypable(int32_t n) { return n >= 0x20 && n <= 0x10FFFF && !(n >= 0xD800 && n <= 0xDFFF); }

// Consecutive pieces of one font, the blanks between words included, typed as one text.
class RunFonts : public FontMode {
 public:
  RunFonts(const std::string& quranFont, DocumentOps& doc) : quranFont_(quranFont), doc_(doc) {}
  void ArabicSize(float points) override;
  void Piece(const std::string& glyphFont, int32_t characterNumber) override;
  void Blank() override { Add(std::string(kNormalTextFont), U' '); }
  void EndVerse() override { Flush(); }
  void EndArabic() override { Reset(); }
  void TextFont() override { Reset(); }
  void TextSize(float points) override;
  void CitationFont() override { Font(std::string(kNormalTextFont)); }

 private:
  // The name the document gets for `glyphFont`: the pack's font for "(normal text)".
  const std::string& NameOf(const std::string& glyphFont) const;
  void Font(const std::string& glyphFont);
  void Add(const std::string& glyphFont, char32_t c);
  void Flush();
  // ResetFont, after which nothing is known to be set.
  void Reset();

  const std::string& quranFont_;
  DocumentOps& doc_;
  std::optional<std::string> name_;
  std::optional<float> size_;
  std::string run_, runFont_;
};

const std::string& RunFonts::NameOf(const std::string& glyphFont) const {
  return glyphFont == kNormalTextFont ? quranFont_ : glyphFont;
}

void RunFonts::Font(const std::string& glyphFont) {
  const std::string& name = NameOf(glyphFont);
  if (name_ == name) return;
  doc_.SetFontName(name);
  doc_.SetFontNameBi(name);
  name_ = name;
}

void RunFonts::ArabicSize(float points) {
  if (size_ == points) return;
  TextSize(points);
}

void RunFonts::TextSize(float points) {
  doc_.SetFontSize(points);
  doc_.SetFontSizeBi(points);
  size_ = points;
}

void RunFonts::Piece(const std::string& glyphFont, int32_t characterNumber) {
  if (IsTypable(characterNumber)) return Add(glyphFont, static_cast<char32_t>(characterNumber));
  Flush();
  Font(glyphFont);
  doc_.InsertSymbol(characterNumber, NameOf(glyphFont), true, 0);
}

void RunFonts::Add(const std::string& glyphFont, char32_t c) {
  if (glyphFont != runFont_) Flush();
  runFont_ = glyphFont;
  AppendUtf8(run_, c);
}

void RunFonts::Flush() {
  if (run_.empty()) return;
  Font(runFont_);
  doc_.TypeText(run_);
  run_.clear();
}

void RunFonts::Reset() {
  doc_.ResetFont();
  name_.reset();
  size_.reset();
}

}  // namespace

std::unique_ptr<FontMode> MakeFontMode(const ModuleState& state, DocumentOps& doc) {
  if (state.ArabicFont.empty()) return std::make_unique<GlyphFonts>(doc);
  return std::make_unique<RunFonts>(state.ArabicFont, doc);
}

}  // namespace pelvaron
