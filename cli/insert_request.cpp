#include "cli/insert_request.hpp"

#include "insert/arabic_insert.hpp"
#include "insert/translation.hpp"
#include "module/error.hpp"

namespace pelvaron {

InsertWhat ParseInsertWhat(const std::string& text) {
  if (text == "all") return InsertWhat::All;
  if (text == "arabic") return InsertWhat::Arabic;
  if (text == "translation") return InsertWhat::Translation;
  throw Error(ErrorKind::Input, "mode \"" + text + "\" is none of all, arabic, translation");
}

void CheckInsertRequest(const ModuleState& state, const InsertRequest& request) {
  if (request.surah < 1 || request.surah > kSurahCount)
    throw Error(ErrorKind::Input, "surah " + std::to_string(request.surah) + " does not exist (surahs are 1 to 114)");
  const int count = state.Surah(request.surah).VerseCount;
  const auto outside = [count](int verse) { return verse < 1 || verse > count; };
  if (outside(request.firstVerse) || outside(request.lastVerse)) throw Error(ErrorKind::Input, "Ayat tidak ada!!!");
}

void RunInsertRequest(const ModuleState& state, DocumentOps& doc, const InsertRequest& request) {
  const auto surah = static_cast<int16_t>(request.surah);
  const auto first = static_cast<int16_t>(request.firstVerse);
  const auto last = static_cast<int16_t>(request.lastVerse);
  if (request.what != InsertWhat::Translation) InsertArabicRange(state, doc, surah, first, last, request.runOn);
  if (request.what != InsertWhat::Arabic) InsertTranslationRange(state, doc, surah, first, last);
}

}  // namespace pelvaron
