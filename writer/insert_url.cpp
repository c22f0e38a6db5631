#include "writer/insert_url.hpp"

#include <charconv>
#include <set>
#include <string>

#include "insert/citation.hpp"
#include "module/error.hpp"

namespace pelvaron::writer {
namespace {

int WholeNumber(std::string_view key, std::string_view value) {
  int number = 0;
  const char* end = value.data() + value.size();
  const auto [ptr, ec] = std::from_chars(value.data(), end, number);
  if (value.empty() || ec != std::errc() || ptr != end)
    throw Error(ErrorKind::Input, std::string(key) + "=" + std::string(value) + ": not a whole number");
  return number;
}

// A switch: 0 or 1.
bool Switch(std::string_view key, std::string_view value) {
  const int on = WholeNumber(key, value);
  if (on != 0 && on != 1)
    throw Error(ErrorKind::Input, std::string(key) + "=" + std::string(value) + ": 0 or 1");
  return on == 1;
}

VerseRef Verse(std::string_view key, std::string_view value) {
  const std::optional<VerseRef> verse = ParseVerseRef(value);
  if (!verse)
    throw Error(ErrorKind::Input,
                std::string(key) + "=" + std::string(value) + ": not SURAH:VERSE (for example 78:1)");
  return *verse;
}

// Which verses: surah, first and last; from and to; juz; or page.
bool SetVerses(std::string_view key, std::string_view value, InsertQuery& query) {
  if (key == "surah") return query.request.surah = WholeNumber(key, value), true;
  if (key == "first") return query.request.firstVerse = WholeNumber(key, value), true;
  if (key == "last") return query.request.lastVerse = WholeNumber(key, value), true;
  if (key == "from") return query.choice.from = Verse(key, value), true;
  if (key == "to") return query.choice.to = Verse(key, value), true;
  if (key == "juz") return query.choice.juz = WholeNumber(key, value), true;
  if (key == "page") return query.choice.page = WholeNumber(key, value), true;
  return false;
}

void SetParameter(std::string_view key, std::string_view value, InsertQuery& query) {
  InsertRequest& request = query.request;
  if (SetVerses(key, value, query)) return;
  if (key == "mode")
    request.what = ParseInsertWhat(std::string(value));
  else if (key == "cite")
    request.cite = ParseCiteStyle(std::string(value));
  else if (key == "linePerVerse")
    request.runOn = !Switch(key, value);
  else if (key == "latin")
    request.latin = Switch(key, value);
  else if (key == "perVerse")
    request.perVerse = Switch(key, value);
  else
    throw Error(ErrorKind::Input, "Insert has no parameter \"" + std::string(key) + "\"");
}

// Exactly one way of naming the verses, and the mode.
void CheckGiven(const std::set<std::string, std::less<>>& given) {
  const auto has = [&](const char* key) { return given.contains(key); };
  const int single = has("surah") + has("first") + has("last");
  const int ways = (single > 0) + (has("from") || has("to")) + has("juz") + has("page");
  if (ways > 1 || has("from") != has("to"))
    throw Error(ErrorKind::Input, "Insert takes surah, first and last, or from and to, or juz, or page");
  if (!has("mode") || ways == 0 || (single > 0 && single < 3))
    throw Error(
        ErrorKind::Input,
        "Insert needs surah, first, last and mode (vnd.pelvaron:Insert?surah=1&first=1&last=7&mode=all)");
}

}  // namespace

InsertQuery ParseInsertQuery(std::string_view text) {
  InsertQuery query;
  std::set<std::string, std::less<>> given;
  while (!text.empty()) {
    const std::size_t amp = text.find('&');
    const std::string_view pair = text.substr(0, amp);
    text = amp == std::string_view::npos ? std::string_view() : text.substr(amp + 1);
    if (pair.empty()) continue;
    const std::size_t eq = pair.find('=');
    const std::string_view key = pair.substr(0, eq);
    SetParameter(key, eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1), query);
    given.emplace(key);
  }
  CheckGiven(given);
  return query;
}

}  // namespace pelvaron::writer
