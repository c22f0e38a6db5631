// pelvaron: the insertion engine without Word.

#include <CLI/CLI.hpp>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "cli/dialog_command.hpp"
#include "cli/find_command.hpp"
#include "cli/insert_command.hpp"
#include "cli/latin_command.hpp"
#include "cli/pack_command.hpp"

namespace {

// A first word that names no subcommand gets the list of them, not CLI11's "not expected".
bool IsUnknownSubcommand(const CLI::App& app, int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return false;
  for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
    if (sub->check_name(argv[1])) return false;
  return true;
}

std::string SubcommandNames(const CLI::App& app) {
  std::string names;
  for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
    names += (names.empty() ? "" : ", ") + sub->get_name();
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Puts verses of the Quran, Arabic text and word-by-word translation, into documents",
               "pelvaron"};
  app.set_version_flag("--version", "pelvaron " PELVARON_VERSION);
  app.require_subcommand(1);
  pelvaron::cli::AddInsertCommand(app);
  pelvaron::cli::AddDialogCommand(app);
  pelvaron::cli::AddPackCommand(app);
  pelvaron::cli::AddFindCommand(app);
  pelvaron::cli::AddLatinCommand(app);
  if (IsUnknownSubcommand(app, argc, argv)) {
    std::cerr << "pelvaron: unknown subcommand \"" << argv[1] << "\"; the subcommands are "
              << SubcommandNames(app) << '\n';
    return 2;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
    std::cerr << "pelvaron: " << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    // A failed request: what was written so far goes out before the message.
    std::cout.flush();
    std::cerr << "pelvaron: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
