#include "insert/surah_heading.hpp"

#include "data/format.hpp"
#include "data/surah_names.hpp"
#include "insert/arabic_insert.hpp"
#include "module/error.hpp"

namespace pelvaron {
namespace {

constexpr int kFatihah = 1;
constexpr int kTaubah = 9;
constexpr const char* kSurat = "Surat ";
constexpr const char* kArabicSurat = "\u0633\u0648\u0631\u0629 ";

void BeginCentred(DocumentOps& doc, bool rightToLeft) {
  if (rightToLeft) {
    doc.RtlPara();
    doc.RtlRun();
  } else {
    doc.LtrPara();
    doc.LtrRun();
  }
  doc.SetAlignment(kAlignCentre);
}

void TypeLatinName(const ModuleState& state, DocumentOps& doc, FontMode& fonts, int surah) {
  BeginCentred(doc, false);
  fonts.TextFont();
  fonts.TextSize(kSurahHeadingSize);
  doc.TypeText(kSurat + TrimmedName(state.Surah(surah)));
  doc.TypeParagraph();
}

// In the Quran font, as an Arabic citation is.
void TypeArabicName(DocumentOps& doc, FontMode& fonts, const std::string& name) {
  BeginCentred(doc, true);
  fonts.ArabicSize(kArabicFontSize);
  fonts.CitationFont();
  doc.TypeText(kArabicSurat + name);
  doc.TypeParagraph();
}

void TypeBasmala(DocumentOps& doc, FontMode& fonts, const std::vector<ArabicWord>& words) {
  BeginCentred(doc, true);
  fonts.ArabicSize(kArabicFontSize);
  std::string font(kNormalTextFont);
  TypeArabicWords(fonts, words, font, false);
  fonts.EndVerse();
  doc.TypeParagraph();
}

}  // namespace

SurahHeadingTexts ReadSurahHeadingTexts(const ModuleState& state) {
  SurahHeadingTexts texts{ReadArabicSurahNames(state), {}};
  const auto line = ReadArabicLine(state, kFatihah, 1);
  if (!line) throw Error(ErrorKind::PastEnd, std::string(kArabicTextFile) + ": no line for 1:1, the basmala");
  texts.basmala = ParseArabicLine(*line);
  if (!texts.basmala.empty()) texts.basmala.pop_back();
  return texts;
}

bool HasBasmalaLine(int surah) { return surah != kFatihah && surah != kTaubah; }

void InsertSurahHeading(const ModuleState& state, DocumentOps& doc, FontMode& fonts,
                        const SurahHeadingTexts& texts, int surah, bool arabic) {
  TypeLatinName(state, doc, fonts, surah);
  TypeArabicName(doc, fonts, texts.arabicNames[static_cast<std::size_t>(surah)]);
  if (arabic && HasBasmalaLine(surah)) TypeBasmala(doc, fonts, texts.basmala);
  fonts.EndArabic();
  doc.LtrPara();
  doc.LtrRun();
}

}  // namespace pelvaron
