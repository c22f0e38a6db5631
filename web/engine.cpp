// The page's way into the engine (embind): the pack's files put in memory, the surah list,
// the insertion entry point rendered as HTML, text, .docx and Word's OOXML package, and the search. Every
// failure is caught here and handed to the page as the message the command line prints.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "data/in_memory_files.hpp"
#include "data/surah_index.hpp"
#include "docx/document_sink.hpp"
#include "docx/docx_writer.hpp"
#include "docx/html_text.hpp"
#include "docx/ooxml_writer.hpp"
#include "docx/plain_text.hpp"
#include "insert/insert_request.hpp"
#include "search/search_engine.hpp"

namespace pelvaron::web {
namespace {

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

struct SurahInfo {
  int number = 0;
  std::string name;
  int verses = 0;
};

// What the page asks for, as `pelvaron insert` options.
struct WebRequest {
  int surah = 1;
  int first = 1;
  int last = 1;
  std::string mode = "all";  // --mode
  bool latin = false;
  bool perVerse = false;
  bool linePerVerse = false;
  std::string cite = "none";  // --cite
};

struct Rendered {
  std::string message;  // empty when it worked
  std::string html;
  std::string text;
};

struct Markup {
  std::string message;  // empty when it worked
  std::string ooxml;
};

struct Found {
  std::string label;  // "S:V" or "S:V-W"
  int surah = 0;
  int verse = 0;
  int lastVerse = 0;
  std::string snippet;
};

struct FindResult {
  std::string message;  // empty when something was found
  std::vector<Found> results;
};

void PutFile(const std::string& name, const std::string& bytes) {
  TheEngine().files->Put(DataFilePath(kAppFolder, name), bytes);
}

void SetEmbeddedFont(const std::string& bytes) { TheEngine().embeddedFont = bytes; }

// Empty when the pack loaded, else why not.
std::string Load() {
  Engine& engine = TheEngine();
  try {
    LoadModuleState(engine.state, kAppFolder, engine.files);
    engine.search = std::make_unique<search::SearchEngine>(engine.state);
    return {};
  } catch (const std::exception& e) {
    return e.what();
  }
}

std::vector<SurahInfo> Surahs() {
  const ModuleState& state = TheEngine().state;
  std::vector<SurahInfo> list;
  for (int s = 1; s <= kSurahCount; ++s)
    list.push_back({s, TrimmedName(state.Surah(s)), state.Surah(s).VerseCount});
  return list;
}

// The request checked as `pelvaron insert` checks it, typed into a document of our own.
docx::DocumentSink Insert(const WebRequest& web) {
  InsertRequest request;
  request.surah = web.surah;
  request.firstVerse = web.first;
  request.lastVerse = web.last;
  request.what = ParseInsertWhat(web.mode);
  request.latin = web.latin;
  request.perVerse = web.perVerse;
  request.runOn = !web.linePerVerse;
  request.cite = ParseCiteStyle(web.cite);
  const ModuleState& state = TheEngine().state;
  CheckInsertRequest(state, request);
  docx::DocumentSink sink;
  RunInsertRequest(state, sink, request);
  return sink;
}

std::string ArabicFont() {
  const std::string& pack = TheEngine().state.ArabicFont;
  return pack.empty() ? docx::DocxOptions{}.arabicFont : pack;
}

Rendered Render(const WebRequest& web) {
  try {
    const docx::DocumentSink sink = Insert(web);
    std::ostringstream text;
    docx::WritePlainText(sink.document(), text);
    return {{}, docx::HtmlText(sink.document(), {.arabic = ArabicFont()}), text.str()};
  } catch (const std::exception& e) {
    return {e.what(), {}, {}};
  }
}

// The .docx `pelvaron insert --format docx` writes for the same request, as a Uint8Array; a
// string when it failed.
emscripten::val Docx(const WebRequest& web) {
  try {
    const docx::DocumentSink sink = Insert(web);
    docx::DocxOptions options;
    options.arabicFont = ArabicFont();
    // As the command line: the font file is carried for the default Quran font only.
    if (options.arabicFont == docx::DocxOptions{}.arabicFont)
      options.embeddedArabicFont = TheEngine().embeddedFont;
    options.title = docx::DocumentTitle(web.surah, web.first, web.last);
    const std::string bytes = docx::DocxBytes(sink.document(), options);
    const auto view =
        emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()));
    return emscripten::val::global("Uint8Array").new_(view);  // a copy: `bytes` goes away
  } catch (const std::exception& e) {
    return emscripten::val(std::string(e.what()));
  }
}

// The package `pelvaron insert --format ooxml` writes for the same request, for Word's
// insertOoxml.
Markup Ooxml(const WebRequest& web) {
  try {
    const docx::DocumentSink sink = Insert(web);
    docx::DocxOptions options;
    options.arabicFont = ArabicFont();
    return {{}, docx::OoxmlPackage(sink.document(), options)};
  } catch (const std::exception& e) {
    return {e.what(), {}};
  }
}

FindResult Find(const std::string& query, int limit) {
  Engine& engine = TheEngine();
  try {
    FindResult out;
    for (const search::SearchResult& r : engine.search->Find(query, limit))
      out.results.push_back({search::VerseLabel(r), r.surah, r.verse, r.lastVerse, r.snippet});
    if (out.results.empty()) out.message = search::kNothingFound;
    return out;
  } catch (const std::exception& e) {
    return {e.what(), {}};
  }
}

}  // namespace

EMSCRIPTEN_BINDINGS(pelvaron) {
  using namespace emscripten;
  value_object<SurahInfo>("SurahInfo")
      .field("number", &SurahInfo::number)
      .field("name", &SurahInfo::name)
      .field("verses", &SurahInfo::verses);
  value_object<WebRequest>("Request")
      .field("surah", &WebRequest::surah)
      .field("first", &WebRequest::first)
      .field("last", &WebRequest::last)
      .field("mode", &WebRequest::mode)
      .field("latin", &WebRequest::latin)
      .field("perVerse", &WebRequest::perVerse)
      .field("linePerVerse", &WebRequest::linePerVerse)
      .field("cite", &WebRequest::cite);
  value_object<Rendered>("Rendered")
      .field("message", &Rendered::message)
      .field("html", &Rendered::html)
      .field("text", &Rendered::text);
  value_object<Markup>("Markup").field("message", &Markup::message).field("ooxml", &Markup::ooxml);
  value_object<Found>("Found")
      .field("label", &Found::label)
      .field("surah", &Found::surah)
      .field("verse", &Found::verse)
      .field("lastVerse", &Found::lastVerse)
      .field("snippet", &Found::snippet);
  value_object<FindResult>("FindResult")
      .field("message", &FindResult::message)
      .field("results", &FindResult::results);
  register_vector<SurahInfo>("SurahList");
  register_vector<Found>("FoundList");
  function("putFile", &PutFile);
  function("setEmbeddedFont", &SetEmbeddedFont);
  function("load", &Load);
  function("surahs", &Surahs);
  function("render", &Render);
  function("docx", &Docx);
  function("ooxml", &Ooxml);
  function("find", &Find);
}

}  // namespace pelvaron::web
