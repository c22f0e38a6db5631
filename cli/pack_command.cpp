#include "cli/pack_command.hpp"

#include <unistd.h>

#include <iostream>
#include <map>
#include <memory>

#include "cli/output_guard.hpp"
#include "pack/pack_builder.hpp"

namespace pelvaron::cli {
namespace {

struct PackOptions {
  std::string source;
  std::string out;
  std::string notes;
  std::string divisions;
  pack::VerseEnd verseEnd = pack::PackRequest{}.verseEnd;
  std::string arabicFont = pack::PackRequest{}.arabicFont;
};

void PrintSummary(const pack::PackRequest& request, const pack::PackSummary& summary, std::ostream& out) {
  out << "DataQuran written to " << request.out.string() << ":\n";
  for (const auto& [name, size] : summary.files) out << "  " << name << "  " << size << " bytes\n";
  out << "verses " << summary.verses << ", word groups " << summary.groups << ", notes " << summary.notes
      << ", note markers " << summary.markersWritten << " written and " << summary.markersRemoved
      << " removed\n";
  out << "Arabic marks mapped to standard code points: " << summary.arabicMarksMapped << '\n';
  out << "characters mapped to Windows-1252: " << summary.mappedCharacters;
  if (summary.unmappableCharacters > 0)
    out << " (" << summary.unmappableCharacters << " of them became \"?\")";
  out << '\n';
}

// The pack's own folder, every file it writes there, and what it reads: nothing read is
// written over, nothing is written into the source.
void RefuseOutputsOverSource(const PackOptions& options) {
  const std::filesystem::path out = options.out, source = options.source;
  std::vector<std::filesystem::path> outputs{out};
  for (const std::string& name : DataFileNames()) outputs.push_back(out / name);
  for (const char* name : {"LICENSE.txt", "ATTRIBUTION.txt"}) outputs.push_back(out / name);
  ReadSet reads{{source / "package.json", source / "dist" / "quran_id.json", source / "LICENSE.txt"},
                {source}};
  if (!options.notes.empty()) reads.files.push_back(options.notes);
  if (!options.divisions.empty()) reads.files.push_back(options.divisions);
  RefuseOutputsOverInputs(outputs, reads);
}

void RunPack(const PackOptions& options) {
  RefuseOutputsOverSource(options);
  pack::PackRequest request;
  request.source = options.source;
  request.out = options.out;
  if (!options.notes.empty()) request.notes = options.notes;
  if (!options.divisions.empty()) request.divisions = options.divisions;
  request.verseEnd = options.verseEnd;
  request.arabicFont = options.arabicFont;
  const bool terminal = isatty(STDERR_FILENO) != 0;
  if (terminal) {
    request.progress = [](int surah) {
      std::cerr << "\rsurah " << surah << " of 114" << (surah == 114 ? "\n" : "") << std::flush;
    };
  }
  const pack::PackSummary summary = pack::BuildPack(request);
  PrintSummary(request, summary, std::cout);
}

}  // namespace

void AddPackCommand(CLI::App& app) {
  auto options = std::make_shared<PackOptions>();
  CLI::App* cmd = app.add_subcommand("pack", "Build a DataQuran folder from the quran-json package");
  cmd->add_option("--source", options->source,
                  "The unpacked quran-json 3.1.2 package (holds dist/quran_id.json)")
      ->required()
      ->check(CLI::ExistingDirectory);
  cmd->add_option("--out", options->out, "The DataQuran folder to write")->required();
  cmd->add_option("--notes", options->notes, "Notes file: one note a line, its number, a tab, its text")
      ->check(CLI::ExistingFile);
  cmd->add_option(
         "--divisions", options->divisions,
         "quran-meta's lists as cmake/quran_meta_divisions.mjs writes them (JSON); gives divisions.txt")
      ->check(CLI::ExistingFile);
  const std::map<std::string, pack::VerseEnd> verseEnds{{"ayah-sign", pack::VerseEnd::AyahSign},
                                                        {"brackets", pack::VerseEnd::Brackets}};
  cmd->add_option(
         "--verse-end", options->verseEnd,
         "How a verse ends: ayah-sign (U+06DD and the number) or brackets (the number in U+FD3F U+FD3E)")
      ->transform(CLI::CheckedTransformer(verseEnds, CLI::ignore_case))
      ->option_text("brackets|ayah-sign (default: brackets)");
  cmd->add_option("--arabic-font", options->arabicFont,
                  "Font the pack's settings file names for the Arabic (\"\": write no settings file)")
      ->capture_default_str();
  cmd->callback([options] { RunPack(*options); });
}

}  // namespace pelvaron::cli
