// The page's way into the engine (embind): the pack's files put in memory, the surah list,
// the insertion entry point rendered as HTML, text, .docx and Word's OOXML package, and the
// search. Every entry point answers an object; a failure is `{message}` (web/site/pelvaron.js
// makes it an Error).
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "data/divisions.hpp"
#include "data/in_memory_files.hpp"
#include "data/surah_index.hpp"
#include "docx/document_sink.hpp"
#include "docx/docx_writer.hpp"
#include "docx/html_text.hpp"
#include "docx/ooxml_writer.hpp"
#include "docx/plain_text.hpp"
#include "forms/insert_parts.hpp"
#include "insert/insert_request.hpp"
#include "insert/insertion_frame.hpp"
#include "insert/segments.hpp"
#include "module/error.hpp"
#include "search/search_engine.hpp"

namespace pelvaron::web {
namespace {

using emscripten::val;

// The pack lives in memory under this folder; nothing is read from a file system.
const std::filesystem::path kAppFolder = "/pelvaron";

struct Engine {
  std::shared_ptr<InMemoryFiles> files = std::make_shared<InMemoryFiles>();
  ModuleState state;
  std::unique_ptr<search::SearchEngine> search;
  std::string embeddedFont;  // the TrueType bytes a .docx carries for Amiri Quran
};

Engine& TheEngine() {
  static Engine engine;
  return engine;
}

// What the page asks for: the verses (a juz or page of the mushaf when `juz` or `page` is not
// 0, else surah:first to toSurah:last, toSurah 0 within the surah), the parts ticked and
// `pelvaron insert`'s other options.
struct WebRequest {
  int surah = 1;
  int first = 1;
  int last = 1;
  int toSurah = 0;
  int juz = 0;
  int page = 0;
  bool arab = true;
  bool latin = false;
  bool terjemah = true;
  bool perVerse = false;
  bool linePerVerse = false;
  std::string cite = "none";  // --cite
};

// Every entry point answers alike: an object with its fields when it worked, `{message}`
// alone, the message the command line prints, when it failed.
template <class Work>
val Answer(Work&& work) {
  val answer = val::object();
  try {
    work(answer);
  } catch (const std::exception& e) {
    answer = val::object();
    answer.set("message", std::string(e.what()));
  }
  return answer;
}

val PutFile(const std::string& name, const std::string& bytes) {
  return Answer([&](val&) { TheEngine().files->Put(DataFilePath(kAppFolder, name), bytes); });
}

val SetEmbeddedFont(const std::string& bytes) {
  return Answer([&](val&) { TheEngine().embeddedFont = bytes; });
}

val Load() {
  return Answer([](val&) {
    Engine& engine = TheEngine();
    LoadModuleState(engine.state, kAppFolder, engine.files);
    engine.search = std::make_unique<search::SearchEngine>(engine.state);
  });
}

// {surahs: [{number, name, verses}]}
val Surahs() {
  return Answer([](val& answer) {
    const ModuleState& state = TheEngine().state;
    val list = val::array();
    for (int s = 1; s <= kSurahCount; ++s) {
      val surah = val::object();
      surah.set("number", s);
      surah.set("name", TrimmedName(state.Surah(s)));
      surah.set("verses", static_cast<int>(state.Surah(s).VerseCount));
      list.call<void>("push", surah);
    }
    answer.set("surahs", list);
  });
}

// {juz, pages}: how many the mushaf has, for the pickers.
val Divisions() {
  return Answer([](val& answer) {
    answer.set("juz", kDivisionKinds[static_cast<std::size_t>(DivisionKind::Juz)].count);
    answer.set("pages", kDivisionKinds[static_cast<std::size_t>(DivisionKind::Page)].count);
  });
}

// The verses asked for, as `pelvaron insert` takes them: the core turns a juz, a page or a
// range across surahs into segments; a range within a surah stays one.
void SetVerses(const ModuleState& state, const WebRequest& web, InsertRequest& request) {
  VerseChoice choice{.juz = web.juz, .page = web.page};
  if (web.toSurah != 0 && web.toSurah != web.surah)
    choice.from = VerseRef{web.surah, web.first}, choice.to = VerseRef{web.toSurah, web.last};
  request.segments = ChosenSegments(state, choice);
  if (!request.segments.empty()) return;
  request.surah = web.surah;
  request.firstVerse = web.first;
  request.lastVerse = web.last;
}

// The request checked as `pelvaron insert` checks it. The parts map to a mode as the search
// form's choices do; none is refused.
InsertRequest Request(const WebRequest& web) {
  const forms::InsertMode mode =
      forms::InsertModeOf({.arabic = web.arab, .latin = web.latin, .translation = web.terjemah});
  InsertRequest request;
  const ModuleState& state = TheEngine().state;
  SetVerses(state, web, request);
  request.what = mode.what;
  request.latin = mode.latin;
  request.perVerse = web.perVerse;
  request.runOn = !web.linePerVerse;
  request.cite = ParseCiteStyle(web.cite);
  CheckInsertRequest(state, request);
  return request;
}

// The request typed into a document of our own.
docx::DocumentSink Insert(const InsertRequest& request) {
  docx::DocumentSink sink;
  RunInsertRequest(TheEngine().state, sink, request);
  return sink;
}

std::string ArabicFont() {
  const std::string& pack = TheEngine().state.ArabicFont;
  return pack.empty() ? docx::DocxOptions{}.arabicFont : pack;
}

// {html, text, verses, name}: the preview, the clipboard's plain text, the number of verses and
// the insertion's name ("Al-Quran 78:1–114:6").
val Render(const WebRequest& web) {
  return Answer([&](val& answer) {
    const InsertRequest request = Request(web);
    const docx::DocumentSink sink = Insert(request);
    std::ostringstream text;
    docx::WritePlainText(sink.document(), text);
    answer.set("html", docx::HtmlText(sink.document(), {.arabic = ArabicFont()}));
    answer.set("text", text.str());
    answer.set("verses", RequestVerseCount(request));
    answer.set("name", InsertionName(request));
  });
}

// {bytes}: the .docx `pelvaron insert --format docx` writes for the same request, as a Uint8Array.
val Docx(const WebRequest& web) {
  return Answer([&](val& answer) {
    const InsertRequest request = Request(web);
    const docx::DocumentSink sink = Insert(request);
    docx::DocxOptions options;
    options.arabicFont = ArabicFont();
    // As the command line: the font file is carried for the default Quran font only.
    if (options.arabicFont == docx::DocxOptions{}.arabicFont)
      options.embeddedArabicFont = TheEngine().embeddedFont;
    options.title = DocumentTitle(request);
    const std::string bytes = docx::DocxBytes(sink.document(), options);
    const auto view =
        emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()));
    answer.set("bytes", val::global("Uint8Array").new_(view));  // a copy: `bytes` goes away
  });
}

// {ooxml}: the package `pelvaron insert --format ooxml` writes for the same request, for
// Word's insertOoxml.
val Ooxml(const WebRequest& web) {
  return Answer([&](val& answer) {
    docx::DocxOptions options;
    options.arabicFont = ArabicFont();
    answer.set("ooxml", docx::OoxmlPackage(Insert(Request(web)).document(), options));
  });
}

// {results: [{label, surah, verse, lastSurah, lastVerse, snippet}]}, label "S:V", "S:V-W" or
// "S:V-T:W" across surahs (a juz, a page); finding
// nothing fails, as `pelvaron find` does.
val Find(const std::string& query, int limit) {
  return Answer([&](val& answer) {
    Engine& engine = TheEngine();
    if (!engine.search) throw Error(ErrorKind::Input, "the data pack is not loaded");
    const std::vector<search::SearchResult> found = engine.search->Find(query, limit);
    if (found.empty()) throw Error(ErrorKind::Input, search::kNothingFound);
    val results = val::array();
    for (const search::SearchResult& r : found) {
      val result = val::object();
      result.set("label", search::VerseLabel(r));
      result.set("surah", r.surah);
      result.set("verse", r.verse);
      result.set("lastSurah", r.lastSurah);
      result.set("lastVerse", r.lastVerse);
      result.set("snippet", r.snippet);
      results.call<void>("push", result);
    }
    answer.set("results", results);
  });
}

}  // namespace

EMSCRIPTEN_BINDINGS(pelvaron) {
  using namespace emscripten;
  value_object<WebRequest>("Request")
      .field("surah", &WebRequest::surah)
      .field("first", &WebRequest::first)
      .field("last", &WebRequest::last)
      .field("toSurah", &WebRequest::toSurah)
      .field("juz", &WebRequest::juz)
      .field("page", &WebRequest::page)
      .field("arab", &WebRequest::arab)
      .field("latin", &WebRequest::latin)
      .field("terjemah", &WebRequest::terjemah)
      .field("perVerse", &WebRequest::perVerse)
      .field("linePerVerse", &WebRequest::linePerVerse)
      .field("cite", &WebRequest::cite);
  function("putFile", &PutFile);
  function("setEmbeddedFont", &SetEmbeddedFont);
  function("load", &Load);
  function("surahs", &Surahs);
  function("divisions", &Divisions);
  function("render", &Render);
  function("docx", &Docx);
  function("ooxml", &Ooxml);
  function("find", &Find);
}

}  // namespace pelvaron::web
