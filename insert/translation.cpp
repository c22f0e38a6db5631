#include "insert/translation.hpp"

#include <vector>

#include "data/indexed_file.hpp"
#include "insert/insertion_frame.hpp"
#include "module/error.hpp"
#include "module/numeric.hpp"
#include "module/text.hpp"

namespace pelvaron {
namespace {

// Group numbers of `record` of `pair`, expanded into text; errors say which lookup failed.
std::string ExpandRecord(const ModuleState& state, IndexedPair pair, int32_t record,
                         const std::string& what) {
  try {
    IndexedFile main(state, pair);
    IndexedFile groups(state, IndexedPair::GroupKata);
    return ExpandGroupRecord(ReadIndexedRecord(main, record), groups);
  } catch (const Error& e) {
    throw Error(e.kind(), what + ": " + e.what());
  }
}

}  // namespace

void CollectNoteMarkers(std::string_view line, std::vector<int16_t>& notes, const std::string& where) {
  while (true) {
    const std::size_t open = line.find('[');
    if (open == std::string_view::npos) return;
    if (notes.size() >= static_cast<std::size_t>(kMaxNoteMarkers))
      throw Error(ErrorKind::Index, where + ": more than 2000 note markers in one insertion");
    const std::size_t close = line.find(']', open);
    if (close == std::string_view::npos)
      throw Error(ErrorKind::BadRecord,
                  where + ": note marker \"" + std::string(line.substr(open)) + "\" has no \"]\"");
    const std::string_view content = line.substr(open + 1, close - open - 1);
    notes.push_back(
        ToInt16(HostNumericPrefix(content), where + ": note marker [" + std::string(content) + "]"));
    line = line.substr(close + 1);
  }
}

std::string BuildVerseTranslation(const ModuleState& state, int16_t surah, int16_t verse) {
  const std::string what = "surah " + std::to_string(surah) + " verse " + std::to_string(verse);
  const int16_t record = CheckedAdd16(state.VersePosOf(surah), verse, what + ": record number");
  const std::string s = ExpandRecord(state, IndexedPair::AyatPerKata, record, what);
  // The expanded record starts with the blank that joins the groups, so the first two
  // characters are that blank and the translation's first letter: only that letter is raised.
  return std::to_string(verse) + ". " + UpperCaseFirst(s, 2);
}

std::string BuildNoteText(const ModuleState& state, int16_t note) {
  std::string s = ExpandRecord(state, IndexedPair::NotePerKata, note, "note " + std::to_string(note));
  for (const char* tag : {"<i>", "<I>", "</i>", "</I>"}) s = RemoveAll(s, tag);
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
  std::string text = "[";
  text += std::to_string(note);
  text += "] ";
  text += s;
  return text;
}

void InsertTranslationRange(const ModuleState& state, DocumentOps& doc, FontMode& fonts, int16_t surah,
                            int16_t firstVerse, int16_t lastVerse, TranslationProgress progress) {
  if (progress.total == 0) progress.total = lastVerse - firstVerse + 1;
  doc.LtrPara();
  doc.LtrRun();
  doc.SetAlignment(kAlignJustify);
  fonts.TextSize(kTranslationFontSize);
  std::vector<int16_t> notes;
  for (int32_t v = firstVerse; v <= lastVerse; ++v) {
    const auto verse = static_cast<int16_t>(v);
    const std::string line = BuildVerseTranslation(state, surah, verse);
    doc.TypeText(std::string(TrimSpaces(line)));
    doc.TypeParagraph();
    CollectNoteMarkers(line, notes, "surah " + std::to_string(surah) + " verse " + std::to_string(verse));
    if (state.Frame) state.Frame->TranslationStep(progress.before + v - firstVerse + 1, progress.total);
  }
  doc.TypeParagraph();
  for (int16_t note : notes) {
    const std::string text = BuildNoteText(state, note);
    doc.TypeText(std::string(TrimSpaces(text)));
    doc.TypeParagraph();
  }
}

void InsertTranslationRange(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t firstVerse,
                            int16_t lastVerse) {
  InsertTranslationRange(state, doc, *MakeFontMode(state, doc), surah, firstVerse, lastVerse);
}

}  // namespace pelvaron
