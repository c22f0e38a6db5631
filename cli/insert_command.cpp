#include "cli/insert_command.hpp"

#include <memory>

#include "cli/app_path.hpp"
#include "cli/document_output.hpp"
#include "cli/output_guard.hpp"
#include "data/surah_index.hpp"
#include "insert/insert_request.hpp"
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

void RunInsert(const InsertOptions& options) {
  const std::string format = CheckedFormat(options);
  CheckVerseOrder(options.request);
  InsertRequest request = options.request;
  request.what = ParseInsertWhat(options.mode);
  request.runOn = !options.linePerVerse;
  request.cite = ParseCiteStyle(options.cite);

  const std::filesystem::path appFolder =
      options.appPath.empty() ? ExecutableFolder() : std::filesystem::path(options.appPath);
  RefuseOutputsOverInputs({options.output}, DataQuranReads(appFolder));

  ModuleState state;
  LoadModuleState(state, appFolder);
  CheckInsertRequest(state, request);

  DocumentOutputOptions outputOptions = options.outputOptions;
  outputOptions.packArabicFont = state.ArabicFont;
  outputOptions.title = DocumentTitle(request.surah, request.firstVerse, request.lastVerse);
  auto output = OpenDocumentOutput(format, options.output, outputOptions);
  try {
    RunInsertRequest(state, output->ops(), request);
  } catch (...) {
    output->FinishAfterFailure();
    throw;
  }
  output->Finish();
}

}  // namespace

void AddInsertCommand(CLI::App& app) {
  auto options = std::make_shared<InsertOptions>();
  CLI::App* cmd = app.add_subcommand("insert", "Insert a verse range of one surah into a document");
  cmd->add_option("--app-path", options->appPath,
                  "Folder that holds DataQuran (default: the program's own folder)");
  cmd->add_option("--surah", options->request.surah, "Surah number, 1 to 114")->required();
  cmd->add_option("--first", options->request.firstVerse, "First verse of the range")->required();
  cmd->add_option("--last", options->request.lastVerse, "Last verse of the range")->required();
  cmd->add_option("--mode", options->mode, "What to insert")
      ->check(CLI::IsMember({"all", "arabic", "translation", "latin"}))
      ->capture_default_str();
  cmd->add_option("--cite", options->cite, "Reference after the verses: qs, short, arabic or none")
      ->check(CLI::IsMember({"none", "qs", "short", "arabic"}))
      ->capture_default_str();
  cmd->add_flag("--line-per-verse", options->linePerVerse, "End every Arabic verse with a paragraph mark");
  cmd->add_flag("--latin", options->request.latin,
                "Add the Latin reading (the pack's latin.txt) after the Arabic");
  cmd->add_flag("--per-verse", options->request.perVerse,
                "Verse by verse: each verse's Arabic, its Latin, its translation, instead of blocks");
  cmd->add_option(
         "--format", options->format,
         "Output format: trace, docx, text or ooxml (Word's flat package for inserting at a selection; "
         "default: docx when -o ends in .docx, else text)")
      ->check(CLI::IsMember({"trace", "docx", "text", "ooxml"}));
  cmd->add_option("--arabic-font", options->outputOptions.arabicFont,
                  "Font for Arabic in the normal text of a .docx or OOXML package (default: the pack's, else "
                  "Amiri Quran)");
  cmd->add_option("--embed-font", options->outputOptions.embedFont,
                  "Font file a .docx carries for its Arabic font");
  cmd->add_flag("--no-embed-font", options->outputOptions.noEmbedFont, "A .docx carries no font");
  cmd->add_option("-o,--output", options->output, "Output file; - or none: standard output");
  cmd->callback([options] { RunInsert(*options); });
}

}  // namespace pelvaron::cli
