#include "pack/divisions_source.hpp"

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>

#include "module/error.hpp"
#include "pack/json_file.hpp"

namespace pelvaron::pack {
namespace {

using nlohmann::json;

template <typename T>
T Member(const json& object, std::string_view key, const std::filesystem::path& file) {
  const auto it = object.find(key);
  if (it == object.end())
    throw Error(ErrorKind::BadRecord, file.string() + ": no \"" + std::string(key) + "\"");
  try {
    return it->get<T>();
  } catch (const json::exception&) {
    throw Error(ErrorKind::BadRecord, file.string() + ": \"" + std::string(key) + "\" is not a " +
                                          (std::is_same_v<T, std::string> ? "text" : "list of numbers"));
  }
}

// The global verse number as surah:verse text.
std::string SurahVerse(int global, const std::vector<int>& verseCounts) {
  int surah = 1;
  for (int count : verseCounts) {
    if (global <= count) break;
    global -= count;
    ++surah;
  }
  return std::to_string(surah) + ":" + std::to_string(global);
}

void CheckKind(const std::vector<int>& verses, const DivisionKindFormat& format, int total) {
  const std::string kind(format.name);
  // Every verse lies in some division, so the first begins the Quran.
  const bool coversAll = format.name != kDivisionKinds[static_cast<std::size_t>(DivisionKind::Sajdah)].name;
  if (coversAll && !verses.empty() && verses.front() != 1)
    throw Error(ErrorKind::BadRecord,
                kind + " 1 starts at verse " + std::to_string(verses.front()) + ", not 1");
  if (verses.size() != static_cast<std::size_t>(format.count))
    throw Error(ErrorKind::BadRecord, kind + ": " + std::to_string(verses.size()) + " entries, " +
                                          std::to_string(format.count) + " expected");
  for (std::size_t i = 0; i < verses.size(); ++i) {
    const std::string entry = kind + " " + std::to_string(i + 1) + ": verse " + std::to_string(verses[i]);
    if (verses[i] < 1 || verses[i] > total)
      throw Error(ErrorKind::BadRecord, entry + " lies outside the " + std::to_string(total) + " verses");
    if (i > 0 && verses[i] <= verses[i - 1])
      throw Error(ErrorKind::BadRecord, entry + " is not after " + std::to_string(verses[i - 1]));
  }
}

}  // namespace

DivisionsSource LoadDivisionsSource(const std::filesystem::path& file) {
  const json root = ReadJsonFile(file);
  if (!root.is_object()) throw Error(ErrorKind::BadRecord, file.string() + ": not a JSON object");
  DivisionsSource source;
  source.packageName = Member<std::string>(root, "package", file);
  source.packageVersion = Member<std::string>(root, "version", file);
  source.license = Member<std::string>(root, "license", file);
  for (int k = 0; k < kDivisionKindCount; ++k)
    source.firstVerses[static_cast<std::size_t>(k)] =
        Member<std::vector<int>>(root, kDivisionKinds[static_cast<std::size_t>(k)].name, file);
  return source;
}

std::string EncodeDivisions(const DivisionsSource& source, const std::vector<int>& verseCounts) {
  int total = 0;
  for (int count : verseCounts) total += count;
  std::string text;
  for (int k = 0; k < kDivisionKindCount; ++k) {
    const DivisionKindFormat& format = kDivisionKinds[static_cast<std::size_t>(k)];
    const std::vector<int>& verses = source.firstVerses[static_cast<std::size_t>(k)];
    CheckKind(verses, format, total);
    for (std::size_t i = 0; i < verses.size(); ++i) {
      text += format.name;
      text += ' ' + std::to_string(i + 1) + ' ' + SurahVerse(verses[i], verseCounts);
      text += kLineEnd;
    }
  }
  return text;
}

}  // namespace pelvaron::pack
