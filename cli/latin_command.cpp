#include "cli/latin_command.hpp"

#include <iostream>
#include <memory>

#include "cli/app_path.hpp"
#include "data/latin_text.hpp"
#include "latin/transliterate.hpp"
#include "pack/standard_arabic.hpp"

namespace pelvaron::cli {
namespace {

struct LatinOptions {
  std::string appPath;
  std::vector<std::string> words;
};

// The pack's word list decides wa and fa as its latin.txt does; without a pack every wa and fa
// before a consonant is read as the conjunction.
latin::JoinedWords PacksJoinedWords(const std::string& appPath) {
  ModuleState state;
  state.AppPath = appPath.empty() ? ExecutableFolder() : std::filesystem::path(appPath);
  return latin::JoinedWordsOf(ReadLatinJoinedWords(state));
}

}  // namespace

void AddLatinCommand(CLI::App& app) {
  auto options = std::make_shared<LatinOptions>();
  CLI::App* cmd =
      app.add_subcommand("latin", "Print the Latin reading of vowelled Arabic (the words read as one verse)");
  cmd->add_option(
      "--app-path", options->appPath,
      "Folder that holds DataQuran, whose latinjoined.txt reads wa and fa (default: the program's own "
      "folder)");
  cmd->add_option("arabic", options->words, "Vowelled Arabic; the words are joined by blanks")->required();
  cmd->callback([options] {
    std::string text;
    for (const std::string& word : options->words) text += (text.empty() ? "" : " ") + word;
    // Text copied from a Quran site is often in the Uthmanic HAFS font's encoding, whose open
    // tanween the pack stores at their standard code points: read it as the pack does.
    int mapped = 0;
    std::cout << TransliterateVerse(pack::ToStandardArabic(text, &mapped), PacksJoinedWords(options->appPath))
              << '\n';
  });
}

}  // namespace pelvaron::cli
