#include "cli/latin_command.hpp"

#include <iostream>
#include <memory>

#include "latin/transliterate.hpp"
#include "pack/standard_arabic.hpp"

namespace pelvaron::cli {

void AddLatinCommand(CLI::App& app) {
  auto words = std::make_shared<std::vector<std::string>>();
  CLI::App* cmd =
      app.add_subcommand("latin", "Print the Latin reading of vowelled Arabic (the words read as one verse)");
  cmd->add_option("arabic", *words, "Vowelled Arabic; the words are joined by blanks")->required();
  cmd->callback([words] {
    std::string text;
    for (const std::string& word : *words) text += (text.empty() ? "" : " ") + word;
    // Text copied from a Quran site is often in the Uthmanic HAFS font's encoding, whose open
    // tanween the pack stores at their standard code points: read it as the pack does.
    int mapped = 0;
    std::cout << TransliterateVerse(pack::ToStandardArabic(text, &mapped)) << '\n';
  });
}

}  // namespace pelvaron::cli
