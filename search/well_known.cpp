#include "search/well_known.hpp"

#include <charconv>

#include "module/error.hpp"
#include "module/text.hpp"
#include "search/text_fold.hpp"

namespace pelvaron::search {
namespace {

bool ReadNumber(std::string_view& text, int& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || value < 1) return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return true;
}

bool ParseRange(std::string_view text, VerseRange& range) {
  text = TrimSpaces(text);
  if (!ReadNumber(text, range.surah)) return false;
  if (text.empty()) return true;
  if (text.front() != ':') return false;
  text.remove_prefix(1);
  if (!ReadNumber(text, range.firstVerse)) return false;
  range.lastVerse = range.firstVerse;
  if (text.empty()) return true;
  if (text.front() != '-') return false;
  text.remove_prefix(1);
  return ReadNumber(text, range.lastVerse) && text.empty() && range.lastVerse >= range.firstVerse;
}

}  // namespace

void ForEachDataLine(std::string_view text, const std::function<void(std::string_view, int)>& line) {
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view current = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!current.empty() && current.back() == '\r') current.remove_suffix(1);
    if (!TrimSpaces(current).empty() && current.front() != '#') line(current, number);
  }
}

std::string TopicName(std::string_view query) {
  const std::vector<Token> words = Tokenize(query);
  std::size_t first = 0;
  if (first < words.size() && (words[first].term == "ayat" || words[first].term == "ayatayat")) ++first;
  if (first < words.size() && words[first].term == "tentang") ++first;
  if (first == 0 || first == words.size()) return {};
  std::string name = "ayat tentang";
  for (std::size_t i = first; i < words.size(); ++i) name += " " + words[i].term;
  return name;
}

std::vector<WellKnownName> ParseWellKnownNames(std::string_view text, const std::string& source) {
  std::vector<WellKnownName> names;
  ForEachDataLine(text, [&](std::string_view line, int lineNumber) {
    const std::string where = source + " line " + std::to_string(lineNumber);
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
      throw Error(ErrorKind::BadRecord, where + ": no tab between name and verses");
    WellKnownName entry{std::string(TrimSpaces(line.substr(0, tab))), {}};
    std::string_view refs = line.substr(tab + 1);
    refs = refs.substr(0, refs.find('\t'));  // a third column says where the name is used
    while (true) {
      const std::size_t comma = std::min(refs.find(','), refs.size());
      VerseRange range;
      if (!ParseRange(refs.substr(0, comma), range))
        throw Error(ErrorKind::BadRecord,
                    where + ": \"" + std::string(refs.substr(0, comma)) + "\" is not S, S:V or S:V-W");
      entry.ranges.push_back(range);
      if (comma == refs.size()) break;
      refs.remove_prefix(comma + 1);
    }
    names.push_back(std::move(entry));
  });
  return names;
}

}  // namespace pelvaron::search
