#include "insert/latin_insert.hpp"

#include "data/latin_text.hpp"
#include "insert/script_fonts.hpp"
#include "insert/translation.hpp"
#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron {

std::vector<std::string> ReadLatinRange(const ModuleState& state, int16_t surah, int16_t firstVerse,
                                        int16_t lastVerse) {
  std::vector<std::string> all = ReadLatinLines(state);
  const int64_t before = state.VersePosOf(surah);
  if (before + lastVerse > static_cast<int64_t>(all.size()))
    throw Error(ErrorKind::PastEnd, (state.DataFile(std::string(kLatinFile))).string() + ": " +
                                        std::to_string(all.size()) + " lines, surah " +
                                        std::to_string(surah) + " verse " + std::to_string(lastVerse) +
                                        " is line " + std::to_string(before + lastVerse));
  return {all.begin() + before + firstVerse - 1, all.begin() + before + lastVerse};
}

void InsertLatinLines(const ModuleState& state, DocumentOps& doc, int16_t firstVerse,
                      const std::vector<std::string>& lines) {
  doc.LtrPara();
  doc.LtrRun();
  doc.SetAlignment(kAlignLeft);
  // The document's own font: a pack that types runs never names "(normal text)" as a font.
  if (TypesRuns(state))
    doc.ResetFont();
  else
    SetInsertionFont(state, doc, std::string(kNormalTextFont));
  SetInsertionSize(state, doc, kTranslationFontSize);
  doc.SetItalic(true);
  int verse = firstVerse;
  for (const std::string& line : lines) {
    doc.TypeText(std::to_string(verse++) + ". " + std::string(TrimSpaces(line)));
    doc.TypeParagraph();
  }
  doc.SetItalic(false);
}

}  // namespace pelvaron
