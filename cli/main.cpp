// pelvaron: the insertion engine without Word.

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "cli/dialog_command.hpp"
#include "cli/find_command.hpp"
#include "cli/insert_command.hpp"
#include "cli/pack_command.hpp"
#include "module/error.hpp"

int main(int argc, char** argv) {
  CLI::App app{"Puts verses of the Quran, Arabic text and word-by-word translation, into documents", "pelvaron"};
  app.require_subcommand(1);
  pelvaron::cli::AddInsertCommand(app);
  pelvaron::cli::AddDialogCommand(app);
  pelvaron::cli::AddPackCommand(app);
  pelvaron::cli::AddFindCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help
    std::cerr << "pelvaron: " << e.what() << '\n';
    return 2;
  } catch (const pelvaron::Error& e) {
    std::cout.flush();
    std::cerr << "pelvaron: " << e.what() << '\n';
    return 1;
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "pelvaron: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
