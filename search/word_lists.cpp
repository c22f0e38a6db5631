#include "search/word_lists.hpp"

#include <algorithm>

#include "module/error.hpp"
#include "module/text.hpp"
#include "search/well_known.hpp"

namespace pelvaron::search {
namespace {

// The columns of a line split at its tabs.
std::vector<std::string_view> Columns(std::string_view line) {
  std::vector<std::string_view> columns;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    columns.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return columns;
    start = tab + 1;
  }
}

}  // namespace

std::vector<std::string> ParseWordList(std::string_view text, const std::string& source,
                                       std::string_view kind) {
  std::vector<std::string> words;
  const std::size_t expected = kind.empty() ? 2 : 3;
  ForEachDataLine(text, [&](std::string_view line, int lineNumber) {
    const std::vector<std::string_view> columns = Columns(line);
    const bool blank =
        std::any_of(columns.begin(), columns.end(), [](std::string_view c) { return TrimSpaces(c).empty(); });
    if (columns.size() != expected || blank)
      throw Error(ErrorKind::BadRecord, source + " line " + std::to_string(lineNumber) + ": not " +
                                            (kind.empty() ? "" : "where it stands, a tab, ") +
                                            "a word, a tab and why it is listed");
    if (kind.empty() || columns[0] == kind) words.emplace_back(columns[expected - 2]);
  });
  return words;
}

const std::vector<std::string>& StopWords() {
  static const std::vector<std::string> words = ParseWordList(StopWordsText(), "stop_words.txt");
  return words;
}

const std::vector<std::string>& Suffixes() {
  static const std::vector<std::string> words = ParseWordList(SuffixesText(), "suffixes.txt");
  return words;
}

const std::vector<std::string>& ReferenceLeadWords() {
  static const std::vector<std::string> words =
      ParseWordList(ReferenceWordsText(), "reference_words.txt", "lead");
  return words;
}

const std::vector<std::string>& ReferenceVerseWords() {
  static const std::vector<std::string> words =
      ParseWordList(ReferenceWordsText(), "reference_words.txt", "verse");
  return words;
}

const std::vector<std::string>& SurahNameLeadWords() {
  static const std::vector<std::string> words =
      ParseWordList(ReferenceWordsText(), "reference_words.txt", "name");
  return words;
}

const std::vector<std::string>& DivisionWords(DivisionKind kind) {
  static const std::vector<std::string> juz =
      ParseWordList(ReferenceWordsText(), "reference_words.txt", "juz");
  static const std::vector<std::string> page =
      ParseWordList(ReferenceWordsText(), "reference_words.txt", "page");
  static const std::vector<std::string> none;
  return kind == DivisionKind::Juz ? juz : kind == DivisionKind::Page ? page : none;
}

}  // namespace pelvaron::search
