#include "insert/insert_request.hpp"

#include <memory>
#include <vector>

#include "data/file_snapshots.hpp"
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

bool InOrder(const InsertRequest& request) { return request.firstVerse <= request.lastVerse; }

void CheckInsertRequest(const ModuleState& state, const InsertRequest& request) {
  if (request.surah < 1 || request.surah > kSurahCount)
    throw Error(ErrorKind::Input,
                "surah " + std::to_string(request.surah) + " does not exist (surahs are 1 to 114)");
  const int count = state.Surah(request.surah).VerseCount;
  const auto outside = [count](int verse) { return verse < 1 || verse > count; };
  if (outside(request.firstVerse) || outside(request.lastVerse) || !InOrder(request))
    throw Error(ErrorKind::Input, kVerseMissing);
}

std::string InsertionName(const InsertRequest& request) {
  std::string name = "Al-Quran " + std::to_string(request.surah) + ":" + std::to_string(request.firstVerse);
  if (request.lastVerse != request.firstVerse) name += "\u2013" + std::to_string(request.lastVerse);
  return name;
}

namespace {

int16_t Short(int value) { return static_cast<int16_t>(value); }

// One run of a request on a document: what it types, in the font mode chosen for it.
class Insertion {
 public:
  Insertion(const ModuleState& state, DocumentOps& doc, const InsertRequest& request);
  void PerVerse();
  bool Blocks(const BeforeTranslation& beforeTranslation);

 private:
  void Arabic(int first, int last) {
    InsertArabicRange(state_, doc_, *fonts_, Short(request_.surah), Short(first), Short(last),
                      request_.runOn);
  }
  void Latin(int first, const std::vector<std::string>& lines) {
    InsertLatinLines(doc_, *fonts_, Short(first), lines);
  }
  void Translation(const InsertRequest& range) {
    InsertTranslationRange(state_, doc_, *fonts_, Short(range.surah), Short(range.firstVerse),
                           Short(range.lastVerse));
  }
  std::string CitationOf(const InsertRequest& range) const {
    return CitationText(state_, request_.cite, range.surah, range.firstVerse, range.lastVerse);
  }
  void Cite(const std::string& text) { InsertCitation(doc_, *fonts_, request_.cite, text); }

  const ModuleState& state_;
  DocumentOps& doc_;
  const InsertRequest& request_;
  const std::unique_ptr<FontMode> fonts_;
  const bool arabic_, latin_, translated_;
  // Made before anything is typed, so a pack without what the citation or the Latin needs
  // fails cleanly.
  const std::string cited_;
  const std::vector<std::string> latinLines_;
};

Insertion::Insertion(const ModuleState& state, DocumentOps& doc, const InsertRequest& request)
    : state_(state),
      doc_(doc),
      request_(request),
      fonts_(MakeFontMode(state, doc)),
      arabic_(request.what == InsertWhat::All || request.what == InsertWhat::Arabic),
      latin_(request.latin || request.what == InsertWhat::Latin),
      translated_(request.what == InsertWhat::All || request.what == InsertWhat::Translation),
      cited_(CitationOf(request)),
      latinLines_(latin_ ? ReadLatinRange(state, Short(request.surah), Short(request.firstVerse),
                                          Short(request.lastVerse))
                         : std::vector<std::string>{}) {}

void Insertion::PerVerse() {
  for (int v = request_.firstVerse; v <= request_.lastVerse; ++v) {
    if (arabic_) Arabic(v, v);
    if (latin_) Latin(v, {latinLines_[static_cast<std::size_t>(v - request_.firstVerse)]});
    if (translated_) Translation({request_.surah, v, v});
  }
  Cite(cited_);
}

bool Insertion::Blocks(const BeforeTranslation& beforeTranslation) {
  std::optional<InsertRequest> range = request_;
  if (request_.what != InsertWhat::Translation) {
    if (arabic_) Arabic(request_.firstVerse, request_.lastVerse);
    if (latin_) Latin(request_.firstVerse, latinLines_);
    if (!translated_) {
      Cite(cited_);
      return true;
    }
    if (beforeTranslation) range = beforeTranslation(request_);
    if (!range) return false;
  } else if (latin_) {
    Latin(request_.firstVerse, latinLines_);
  }
  Translation(*range);
  Cite(CitationOf(*range));
  return true;
}

}  // namespace

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
  if (scope.frame) scope.frame->Begin(InsertionName(request), request.lastVerse - request.firstVerse + 1);
  Insertion insertion(state, doc, request);
  if (!request.perVerse) return insertion.Blocks(beforeTranslation);
  insertion.PerVerse();
  return true;
}

}  // namespace pelvaron
