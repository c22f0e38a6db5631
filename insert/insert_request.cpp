#include "insert/insert_request.hpp"

#include "insert/arabic_insert.hpp"
#include "insert/insertion_frame.hpp"
#include "insert/latin_insert.hpp"
#include "insert/translation.hpp"
#include "module/error.hpp"

namespace pelvaron {

InsertWhat ParseInsertWhat(const std::string& text) {
  if (text == "all") return InsertWhat::All;
  if (text == "arabic") return InsertWhat::Arabic;
  if (text == "translation") return InsertWhat::Translation;
  if (text == "latin") return InsertWhat::Latin;
  throw Error(ErrorKind::Input, "mode \"" + text + "\" is none of all, arabic, translation, latin");
}

std::optional<InsertWhat> InsertWhatFromMode(int16_t mode) {
  if (mode < 1 || mode > 3) return std::nullopt;
  return static_cast<InsertWhat>(mode);
}

void CheckInsertRequest(const ModuleState& state, const InsertRequest& request) {
  if (request.surah < 1 || request.surah > kSurahCount)
    throw Error(ErrorKind::Input,
                "surah " + std::to_string(request.surah) + " does not exist (surahs are 1 to 114)");
  const int count = state.Surah(request.surah).VerseCount;
  const auto outside = [count](int verse) { return verse < 1 || verse > count; };
  if (outside(request.firstVerse) || outside(request.lastVerse)) throw Error(ErrorKind::Input, kVerseMissing);
}

std::string InsertionName(const InsertRequest& request) {
  std::string name = "Al-Quran " + std::to_string(request.surah) + ":" + std::to_string(request.firstVerse);
  if (request.lastVerse != request.firstVerse) name += "\u2013" + std::to_string(request.lastVerse);
  return name;
}

bool RunInsertRequest(const ModuleState& state, DocumentOps& doc, const InsertRequest& request,
                      const BeforeTranslation& beforeTranslation) {
  // Ended on every way out, before a failure reaches whoever reports it.
  struct FrameScope {
    InsertionFrame* frame;
    ~FrameScope() {
      if (frame) frame->End();
    }
  } scope{state.Frame.get()};
  if (scope.frame) scope.frame->Begin(InsertionName(request), request.lastVerse - request.firstVerse + 1);
  const auto surah = [](const InsertRequest& r) { return static_cast<int16_t>(r.surah); };
  const auto first = [](const InsertRequest& r) { return static_cast<int16_t>(r.firstVerse); };
  const auto last = [](const InsertRequest& r) { return static_cast<int16_t>(r.lastVerse); };
  const auto citation = [&](const InsertRequest& r) {
    return CitationText(state, request.cite, r.surah, r.firstVerse, r.lastVerse);
  };
  // Made before anything is typed, so a pack without what the citation or the Latin needs
  // fails cleanly.
  const std::string cited = citation(request);
  const bool arabic = request.what == InsertWhat::All || request.what == InsertWhat::Arabic;
  const bool translated = request.what == InsertWhat::All || request.what == InsertWhat::Translation;
  const bool latin = request.latin || request.what == InsertWhat::Latin;
  const std::vector<std::string> latinLines =
      latin ? ReadLatinRange(state, surah(request), first(request), last(request))
            : std::vector<std::string>{};
  if (request.perVerse) {
    for (int v = request.firstVerse; v <= request.lastVerse; ++v) {
      const auto verse = static_cast<int16_t>(v);
      if (arabic) InsertArabicRange(state, doc, surah(request), verse, verse, request.runOn);
      if (latin)
        InsertLatinLines(state, doc, verse, {latinLines[static_cast<std::size_t>(v - request.firstVerse)]});
      if (translated) InsertTranslationRange(state, doc, surah(request), verse, verse);
    }
    InsertCitation(state, doc, request.cite, cited);
    return true;
  }
  std::optional<InsertRequest> translation = request;
  if (request.what != InsertWhat::Translation) {
    if (arabic) InsertArabicRange(state, doc, surah(request), first(request), last(request), request.runOn);
    if (latin) InsertLatinLines(state, doc, first(request), latinLines);
    if (!translated) {
      InsertCitation(state, doc, request.cite, cited);
      return true;
    }
    if (beforeTranslation) translation = beforeTranslation(request);
    if (!translation) return false;
  }
  if (request.what == InsertWhat::Translation && latin)
    InsertLatinLines(state, doc, first(request), latinLines);
  InsertTranslationRange(state, doc, surah(*translation), first(*translation), last(*translation));
  InsertCitation(state, doc, request.cite, citation(*translation));
  return true;
}

}  // namespace pelvaron
