#include "insert/insert_request.hpp"

#include "data/file_snapshots.hpp"
#include "insert/insertion.hpp"
#include "insert/insertion_frame.hpp"
#include "insert/segments.hpp"
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

bool InOrder(const InsertRequest& request) { return request.firstVerse <= request.lastVerse; }

void CheckInsertRequest(const ModuleState& state, const InsertRequest& request) {
  if (!request.segments.empty()) return CheckSegments(state, request.segments);
  if (request.surah < 1 || request.surah > kSurahCount)
    throw Error(ErrorKind::Input,
                "surah " + std::to_string(request.surah) + " does not exist (surahs are 1 to 114)");
  const int count = state.Surah(request.surah).VerseCount;
  const auto outside = [count](int verse) { return verse < 1 || verse > count; };
  if (outside(request.firstVerse) || outside(request.lastVerse) || !InOrder(request))
    throw Error(ErrorKind::Input, kVerseMissing);
}

std::string InsertionName(const InsertRequest& request) {
  if (request.segments.size() > 1) {
    const VerseSegment &front = request.segments.front(), &back = request.segments.back();
    return "Al-Quran " + VerseRefText({front.surah, front.firstVerse}) + "\u2013" +
           VerseRefText({back.surah, back.lastVerse});
  }
  if (request.segments.size() == 1) {
    const VerseSegment& only = request.segments.front();
    return InsertionName({.surah = only.surah, .firstVerse = only.firstVerse, .lastVerse = only.lastVerse});
  }
  std::string name = "Al-Quran " + std::to_string(request.surah) + ":" + std::to_string(request.firstVerse);
  if (request.lastVerse != request.firstVerse) name += "\u2013" + std::to_string(request.lastVerse);
  return name;
}

std::string DocumentTitle(const InsertRequest& request) {
  if (!request.segments.empty()) return InsertionName(request);
  std::string title = "Al-Quran ";
  for (const auto& [number, after] : {std::pair{request.surah, ":"}, std::pair{request.firstVerse, "\u2013"},
                                      std::pair{request.lastVerse, ""}}) {
    title += std::to_string(number);
    title += after;
  }
  return title;
}

int RequestVerseCount(const InsertRequest& request) {
  return request.segments.empty() ? request.lastVerse - request.firstVerse + 1 : VerseCount(request.segments);
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
  // Every verse reads the same few files: read each once for the whole insertion.
  const DataFileScope files;
  if (!request.segments.empty()) CheckSegments(state, request.segments);
  if (scope.frame) scope.frame->Begin(InsertionName(request), RequestVerseCount(request));
  Insertion insertion(state, doc, request);
  if (!request.segments.empty()) {
    insertion.Segments();
    return true;
  }
  if (!request.perVerse) return insertion.Blocks(beforeTranslation);
  insertion.PerVerse();
  return true;
}

}  // namespace pelvaron
