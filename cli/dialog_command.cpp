#include "cli/dialog_command.hpp"

#include <fstream>
#include <iostream>
#include <memory>

#include "cli/app_path.hpp"
#include "cli/dialog_script.hpp"
#include "data/surah_index.hpp"
#include "insert/insert_request.hpp"
#include "insert/trace_sink.hpp"
#include "module/error.hpp"
#include "module/state.hpp"

namespace pelvaron::cli {
namespace {

struct DialogOptions {
  std::string appPath;
  std::string mode = "all";
  std::string script;
};

void RunDialog(const DialogOptions& options) {
  ModuleState state;
  const std::filesystem::path folder =
      options.appPath.empty() ? ExecutableFolder() : std::filesystem::path(options.appPath);
  LoadModuleState(state, folder);

  auto sink = std::make_shared<TraceSink>(std::cout);
  state.Document = sink;
  forms::HeadlessRuntime runtime([&sink](std::string_view line) { sink->Line(line); });
  forms::FormsApp app(state, runtime);
  DialogScript runner(app, runtime, static_cast<int16_t>(ParseInsertWhat(options.mode)));

  std::ifstream file;
  if (!options.script.empty()) {
    file.open(options.script, std::ios::binary);
    if (!file) throw CLI::ValidationError("--script", options.script + ": cannot be opened");
  }
  try {
    RunDialogScript(options.script.empty() ? std::cin : file, runner);
  } catch (const ScriptError& e) {
    std::cout.flush();
    throw CLI::ValidationError("--script", e.what());
  }
  std::cout.flush();
  if (!std::cout) throw Error(ErrorKind::File, "the trace could not be written completely");
}

}  // namespace

void AddDialogCommand(CLI::App& app) {
  auto options = std::make_shared<DialogOptions>();
  CLI::App* cmd =
      app.add_subcommand("dialog", "Drive the verse dialog, the search form and the About box from a script");
  cmd->add_option("--app-path", options->appPath,
                  "Folder that holds DataQuran (default: the program's own folder)");
  cmd->add_option("--mode", options->mode, "The menu button \"show\" clicks: all, arabic, translation")
      ->check(CLI::IsMember({"all", "arabic", "translation"}))
      ->capture_default_str();
  cmd->add_option("--script", options->script, "Script file, one action a line (default: standard input)");
  cmd->callback([options] { RunDialog(*options); });
}

}  // namespace pelvaron::cli
