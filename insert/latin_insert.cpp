#include "insert/latin_insert.hpp"

#include "data/latin_text.hpp"
#include "insert/translation.hpp"
#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron {

std::vector<std::string> ReadLatinRange(const ModuleState& state, int16_t surah, int16_t firstVerse,
                                        int16_t lastVerse) {
  const TextLines all(state, kLatinFile);
  if (firstVerse > lastVerse) return {};
  const int64_t before = state.VersePosOf(surah);
  // A damaged position index can put a verse before the first line.
  if (before + firstVerse < 1)
    throw Error(ErrorKind::BadRecord, state.DataFile(std::string(kLatinFile)).string() + ": surah " +
                                          std::to_string(surah) + " verse " + std::to_string(firstVerse) +
                                          " would be line " + std::to_string(before + firstVerse));
  if (before + lastVerse > static_cast<int64_t>(all.size()))
    throw Error(ErrorKind::PastEnd, (state.DataFile(std::string(kLatinFile))).string() + ": " +
                                        std::to_string(all.size()) + " lines, surah " +
                                        std::to_string(surah) + " verse " + std::to_string(lastVerse) +
                                        " is line " + std::to_string(before + lastVerse));
  return all.Copy(static_cast<std::size_t>(before + firstVerse - 1),
                  static_cast<std::size_t>(before + lastVerse));
}

void InsertLatinLines(DocumentOps& doc, FontMode& fonts, int16_t firstVerse,
                      const std::vector<std::string>& lines) {
  doc.LtrPara();
  doc.LtrRun();
  doc.SetAlignment(kAlignLeft);
  fonts.TextFont();
  fonts.TextSize(kTranslationFontSize);
  doc.SetItalic(true);
  int verse = firstVerse;
  for (const std::string& line : lines) {
    doc.TypeText(std::to_string(verse++) + ". " + std::string(TrimSpaces(line)));
    doc.TypeParagraph();
  }
  doc.SetItalic(false);
}

void InsertLatinLines(const ModuleState& state, DocumentOps& doc, int16_t firstVerse,
                      const std::vector<std::string>& lines) {
  InsertLatinLines(doc, *MakeFontMode(state, doc), firstVerse, lines);
}

}  // namespace pelvaron
