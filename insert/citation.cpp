#include "insert/citation.hpp"

#include "data/surah_names.hpp"
#include "insert/arabic_insert.hpp"
#include "insert/script_fonts.hpp"
#include "module/arabic_script.hpp"
#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

constexpr const char* kEnDash = "\u2013";

std::string ArabicIndicDigits(int number) {
  std::string out;
  for (char digit : std::to_string(number))
    AppendUtf8(out, arabic::kArabicIndicZero + static_cast<char32_t>(digit - '0'));
  return out;
}

std::string Verses(int first, int last, std::string (*number)(int)) {
  return first == last ? number(first) : number(first) + kEnDash + number(last);
}

std::string Decimal(int n) { return std::to_string(n); }

}  // namespace

CiteStyle ParseCiteStyle(const std::string& text) {
  if (text == "none") return CiteStyle::None;
  if (text == "qs") return CiteStyle::Qs;
  if (text == "short") return CiteStyle::Short;
  if (text == "arabic") return CiteStyle::Arabic;
  throw Error(ErrorKind::Input, "citation style \"" + text + "\" is none of none, qs, short, arabic");
}

std::string CitationText(const ModuleState& state, CiteStyle style, int surah, int firstVerse,
                         int lastVerse) {
  switch (style) {
    case CiteStyle::None:
      return {};
    case CiteStyle::Qs:
      return "(QS. " + TrimmedName(state.Surah(surah)) + " [" + std::to_string(surah) +
             "]: " + Verses(firstVerse, lastVerse, Decimal) + ")";
    case CiteStyle::Short:
      return "(QS " + std::to_string(surah) + ":" + Verses(firstVerse, lastVerse, Decimal) + ")";
    case CiteStyle::Arabic: {
      const auto names = ReadArabicSurahNames(state);
      state.Surah(surah);  // the index check
      return "[" + names[static_cast<std::size_t>(surah)] + ": " +
             Verses(firstVerse, lastVerse, ArabicIndicDigits) + "]";
    }
  }
  return {};
}

void InsertCitation(const ModuleState& state, DocumentOps& doc, CiteStyle style, const std::string& text) {
  if (text.empty()) return;
  if (style == CiteStyle::Arabic) {
    doc.RtlPara();
    doc.RtlRun();
    if (TypesRuns(state))
      RunFonts(state, doc).Font(kNormalTextFont);
    else
      doc.SetFontName(kNormalTextFont);
  }
  doc.TypeText(text);
  doc.TypeParagraph();
  if (style == CiteStyle::Arabic) {
    if (TypesRuns(state)) doc.ResetFont();
    doc.LtrPara();
    doc.LtrRun();
  }
}

}  // namespace pelvaron
