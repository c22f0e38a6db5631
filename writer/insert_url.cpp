#include "writer/insert_url.hpp"

#include <charconv>
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

}  // namespace

InsertRequest ParseInsertQuery(std::string_view query) {
  InsertRequest request;
  bool surah = false, first = false, last = false, mode = false;
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view pair = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    if (pair.empty()) continue;
    const std::size_t eq = pair.find('=');
    const std::string_view key = pair.substr(0, eq);
    const std::string_view value = eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1);
    if (key == "surah")
      request.surah = WholeNumber(key, value), surah = true;
    else if (key == "first")
      request.firstVerse = WholeNumber(key, value), first = true;
    else if (key == "last")
      request.lastVerse = WholeNumber(key, value), last = true;
    else if (key == "mode")
      request.what = ParseInsertWhat(std::string(value)), mode = true;
    else if (key == "cite")
      request.cite = ParseCiteStyle(std::string(value));
    else if (key == "linePerVerse")
      request.runOn = !Switch(key, value);
    else if (key == "latin")
      request.latin = Switch(key, value);
    else if (key == "perVerse")
      request.perVerse = Switch(key, value);
    else {
      throw Error(ErrorKind::Input, "Insert has no parameter \"" + std::string(key) + "\"");
    }
  }
  if (!surah || !first || !last || !mode)
    throw Error(
        ErrorKind::Input,
        "Insert needs surah, first, last and mode (vnd.pelvaron:Insert?surah=1&first=1&last=7&mode=all)");
  return request;
}

}  // namespace pelvaron::writer
