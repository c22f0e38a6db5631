#include "cli/find_command.hpp"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/app_path.hpp"
#include "data/surah_index.hpp"
#include "module/error.hpp"
#include "search/search_engine.hpp"

namespace pelvaron::cli {
namespace {

struct FindOptions {
  std::string appPath;
  int limit = 10;
  std::string format = "text";
  std::vector<std::string> words;
};

void PrintJson(const std::vector<search::SearchResult>& results) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const auto& r : results) {
    nlohmann::ordered_json item = {
        {"surah", r.surah}, {"verse", r.verse}, {"score", r.score}, {"snippet", r.snippet}};
    const bool acrossSurahs = r.lastSurah > r.surah;
    if (acrossSurahs) item["last_surah"] = r.lastSurah;
    if (acrossSurahs || r.lastVerse != r.verse) item["last_verse"] = r.lastVerse;
    out.push_back(std::move(item));
  }
  std::cout << out.dump(2) << '\n';
}

// Exit status 1 when nothing was found, through the same path as every other failure.
class NothingFound : public std::exception {
 public:
  const char* what() const noexcept override { return search::kNothingFound; }
};

void RunFind(const FindOptions& options) {
  ModuleState state;
  LoadModuleState(state,
                  options.appPath.empty() ? ExecutableFolder() : std::filesystem::path(options.appPath));
  std::string query;
  for (const std::string& word : options.words) query += (query.empty() ? "" : " ") + word;
  search::SearchEngine engine(state);
  const auto results = engine.Find(query, options.limit);
  if (results.empty()) {
    if (options.format == "json") std::cout << "[]\n";
    throw NothingFound();
  }
  if (options.format == "json") return PrintJson(results);
  for (const auto& r : results) std::cout << VerseLabel(r) << '\t' << r.snippet << '\n';
}

}  // namespace

void AddFindCommand(CLI::App& app) {
  auto options = std::make_shared<FindOptions>();
  CLI::App* cmd =
      app.add_subcommand("find", "Find verses by reference, name, Arabic words or translation words");
  cmd->add_option("--app-path", options->appPath,
                  "Folder that holds DataQuran (default: the program's own folder)");
  cmd->add_option("--limit", options->limit, "Results at most")
      ->check(CLI::PositiveNumber)
      ->capture_default_str();
  cmd->add_option("--format", options->format, "Output: text (S:V, S:V-W or S:V-T:W, tab, snippet) or json")
      ->check(CLI::IsMember({"text", "json"}))
      ->capture_default_str();
  cmd->add_option("query", options->words, "What to look for; the words are joined by blanks")->required();
  cmd->callback([options] { RunFind(*options); });
}

}  // namespace pelvaron::cli
