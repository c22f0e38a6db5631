#include "cli/insert_command.hpp"

#include <memory>

#include "cli/app_path.hpp"
#include "cli/document_output.hpp"
#include "cli/output_guard.hpp"
#include "data/divisions.hpp"
#include "data/surah_index.hpp"
#include "insert/insert_request.hpp"
#include "insert/insertion_frame.hpp"
#include "insert/segments.hpp"
#include "module/state.hpp"

namespace pelvaron::cli {
namespace {

struct InsertOptions {
  std::string appPath;
  InsertRequest request;
  std::string mode = "all";
  std::string cite = "none";
  bool linePerVerse = false;
  std::string format;  // empty: what the output file's name implies
  std::string output;
  DocumentOutputOptions outputOptions;
  // A request across surahs: --from and --to (SURAH:VERSE), --juz or --page; empty or 0 when
  // not given.
  std::string from, to;
  int juz = 0;
  int page = 0;
};

// Everything the command line alone can get wrong is found before any data is read, so a
// usage error is always exit 2.
std::string CheckedFormat(const InsertOptions& options) {
  const std::string format = options.format.empty() ? DefaultFormatFor(options.output) : options.format;
  if (format == "docx" && options.output.empty())
    throw CLI::ValidationError("--format", "docx needs -o FILE.docx (or -o - for standard output)");
  return format;
}

void CheckVerseOrder(const InsertRequest& request) {
  if (!InOrder(request))
    throw CLI::ValidationError("--first", "verse " + std::to_string(request.firstVerse) +
                                              " is after --last " + std::to_string(request.lastVerse));
}

// "78:1": a surah 1..114 and a verse from 1; anything else is a usage error.
VerseRef OptionVerseRef(const std::string& text, const std::string& option) {
  const std::optional<VerseRef> parsed = ParseVerseRef(text);
  if (!parsed) throw CLI::ValidationError(option, "\"" + text + "\" is not SURAH:VERSE (for example 78:1)");
  const VerseRef ref = *parsed;
  if (ref.surah < 1 || ref.surah > kSurahCount)
    throw CLI::ValidationError(
        option, "surah " + std::to_string(ref.surah) + " does not exist (surahs are 1 to 114)");
  if (ref.verse < 1) throw CLI::ValidationError(option, "verses are numbered from 1");
  return ref;
}

// Exactly one way of giving the verses: --surah, --first and --last; --from with --to; --juz;
// --page. A reversed range is refused here, before any data is read.
void CheckRangeOptions(const CLI::App& cmd, const InsertOptions& options) {
  const auto given = [&](const char* name) { return cmd.count(name) > 0; };
  const int single = given("--surah") + given("--first") + given("--last");
  const int ways = (single > 0) + (given("--from") || given("--to")) + given("--juz") + given("--page");
  if (ways != 1 || (single > 0 && single < 3) || given("--from") != given("--to"))
    throw CLI::ValidationError("insert",
                               "give --surah, --first and --last, or --from and --to, or --juz, or --page");
  if (single > 0) return CheckVerseOrder(options.request);
  if (!given("--from")) return;
  if (OptionVerseRef(options.to, "--to") < OptionVerseRef(options.from, "--from"))
    throw CLI::ValidationError("--to", options.to + " comes before --from " + options.from);
}

// The segments of a --from/--to, --juz or --page request; none for --surah. A juz or page on
// a pack without the divisions file fails here, before anything is typed.
std::vector<VerseSegment> RequestedSegments(const InsertOptions& options, const ModuleState& state) {
  VerseChoice choice{.juz = options.juz, .page = options.page};
  if (!options.from.empty())
    choice.from = OptionVerseRef(options.from, "--from"), choice.to = OptionVerseRef(options.to, "--to");
  return ChosenSegments(state, choice);
}

void RunInsert(const CLI::App& cmd, const InsertOptions& options) {
  const std::string format = CheckedFormat(options);
  CheckRangeOptions(cmd, options);
  InsertRequest request = options.request;
  request.what = ParseInsertWhat(options.mode);
  request.runOn = !options.linePerVerse;
  request.cite = ParseCiteStyle(options.cite);

  const std::filesystem::path appFolder =
      options.appPath.empty() ? ExecutableFolder() : std::filesystem::path(options.appPath);
  RefuseOutputsOverInputs({options.output}, DataQuranReads(appFolder));

  ModuleState state;
  LoadModuleState(state, appFolder);
  request.segments = RequestedSegments(options, state);
  CheckInsertRequest(state, request);

  DocumentOutputOptions outputOptions = options.outputOptions;
  outputOptions.packArabicFont = state.ArabicFont;
  outputOptions.title = DocumentTitle(request);
  auto output = OpenDocumentOutput(format, options.output, outputOptions);
  try {
    RunInsertRequest(state, output->ops(), request);
  } catch (...) {
    output->FinishAfterFailure();
    throw;
  }
  output->Finish();
}

// Which verses: one surah's range, a range across surahs, a juz or a page.
void AddVerseOptions(CLI::App& cmd, InsertOptions& options) {
  cmd.add_option("--surah", options.request.surah, "Surah number, 1 to 114");
  cmd.add_option("--first", options.request.firstVerse, "First verse of the range");
  cmd.add_option("--last", options.request.lastVerse, "Last verse of the range");
  cmd.add_option("--from", options.from, "First verse of a range across surahs, SURAH:VERSE (with --to)");
  cmd.add_option("--to", options.to, "Last verse of a range across surahs, SURAH:VERSE (with --from)");
  cmd.add_option("--juz", options.juz, "A juz of the mushaf, 1 to 30 (the pack's divisions.txt)")
      ->check(CLI::Range(1, kDivisionKinds[static_cast<std::size_t>(DivisionKind::Juz)].count));
  cmd.add_option("--page", options.page, "A page of the Madinah mushaf, 1 to 604 (the pack's divisions.txt)")
      ->check(CLI::Range(1, kDivisionKinds[static_cast<std::size_t>(DivisionKind::Page)].count));
}

// What is typed of them, and how.
void AddLayoutOptions(CLI::App& cmd, InsertOptions& options) {
  cmd.add_option("--mode", options.mode, "What to insert")
      ->check(CLI::IsMember({"all", "arabic", "translation", "latin"}))
      ->capture_default_str();
  cmd.add_option("--cite", options.cite, "Reference after the verses: qs, short, arabic or none")
      ->check(CLI::IsMember({"none", "qs", "short", "arabic"}))
      ->capture_default_str();
  cmd.add_flag("--line-per-verse", options.linePerVerse, "End every Arabic verse with a paragraph mark");
  cmd.add_flag("--latin", options.request.latin,
               "Add the Latin reading (the pack's latin.txt) after the Arabic");
  cmd.add_flag("--per-verse", options.request.perVerse,
               "Verse by verse: each verse's Arabic, its Latin, its translation, instead of blocks");
}

// Where it goes, and in which form.
void AddOutputOptions(CLI::App& cmd, InsertOptions& options) {
  cmd.add_option(
         "--format", options.format,
         "Output format: trace, docx, text or ooxml (Word's flat package for inserting at a selection; "
         "default: docx when -o ends in .docx, else text)")
      ->check(CLI::IsMember({"trace", "docx", "text", "ooxml"}));
  cmd.add_option("--arabic-font", options.outputOptions.arabicFont,
                 "Font for Arabic in the normal text of a .docx or OOXML package (default: the pack's, else "
                 "Amiri Quran)");
  cmd.add_option("--embed-font", options.outputOptions.embedFont,
                 "Font file a .docx carries for its Arabic font");
  cmd.add_flag("--no-embed-font", options.outputOptions.noEmbedFont, "A .docx carries no font");
  cmd.add_option("-o,--output", options.output, "Output file; - or none: standard output");
}

}  // namespace

void AddInsertCommand(CLI::App& app) {
  auto options = std::make_shared<InsertOptions>();
  CLI::App* cmd = app.add_subcommand(
      "insert",
      "Insert verses into a document: a range of one surah, a range across surahs, a juz or a page");
  cmd->add_option("--app-path", options->appPath,
                  "Folder that holds DataQuran (default: the program's own folder)");
  AddVerseOptions(*cmd, *options);
  AddLayoutOptions(*cmd, *options);
  AddOutputOptions(*cmd, *options);
  cmd->callback([cmd, options] { RunInsert(*cmd, *options); });
}

}  // namespace pelvaron::cli
