#include "pack/quran_source.hpp"

#include <fstream>
#include <nlohmann/json.hpp>

#include "module/error.hpp"
#include "pack/json_file.hpp"

namespace pelvaron::pack {
namespace {

using nlohmann::json;

// The member `key` of `object` as `T`; `where` names the place in the file for the error.
template <typename T>
T Member(const json& object, const char* key, const std::string& where) {
  const auto it = object.find(key);
  if (it == object.end()) throw Error(ErrorKind::BadRecord, where + ": no \"" + key + "\"");
  try {
    return it->get<T>();
  } catch (const json::exception&) {
    throw Error(ErrorKind::BadRecord, where + ": \"" + key + "\" is " + it->type_name());
  }
}

SourceSurah ReadSurah(const json& entry, int number, const std::string& file) {
  const std::string where = file + ": surah " + std::to_string(number);
  if (!entry.is_object()) throw Error(ErrorKind::BadRecord, where + ": not an object");
  if (Member<int>(entry, "id", where) != number)
    throw Error(ErrorKind::BadRecord, where + ": its \"id\" is " + entry["id"].dump());
  SourceSurah surah;
  surah.latinName = Member<std::string>(entry, "transliteration", where);
  if (entry.contains("name")) surah.arabicName = Member<std::string>(entry, "name", where);
  const json verses = Member<json>(entry, "verses", where);
  if (!verses.is_array()) throw Error(ErrorKind::BadRecord, where + ": \"verses\" is not an array");
  const int total = Member<int>(entry, "total_verses", where);
  if (total != static_cast<int>(verses.size()))
    throw Error(ErrorKind::BadRecord, where + ": total_verses " + std::to_string(total) + " but " +
                                          std::to_string(verses.size()) + " verses");
  for (std::size_t i = 0; i < verses.size(); ++i) {
    const std::string at = where + " verse " + std::to_string(i + 1);
    if (!verses[i].is_object()) throw Error(ErrorKind::BadRecord, at + ": not an object");
    if (Member<int>(verses[i], "id", at) != static_cast<int>(i + 1))
      throw Error(ErrorKind::BadRecord, at + ": its \"id\" is " + verses[i]["id"].dump());
    surah.verses.push_back(
        {Member<std::string>(verses[i], "text", at), Member<std::string>(verses[i], "translation", at)});
  }
  return surah;
}

}  // namespace

QuranSource LoadQuranSource(const std::filesystem::path& packageDir) {
  QuranSource source;
  const json package = ReadJsonFile(packageDir / "package.json");
  source.packageName = Member<std::string>(package, "name", "package.json");
  source.packageVersion = Member<std::string>(package, "version", "package.json");

  const std::filesystem::path file = packageDir / "dist" / "quran_id.json";
  const json surahs = ReadJsonFile(file);
  if (!surahs.is_array() || surahs.size() != 114)
    throw Error(ErrorKind::BadRecord, file.string() + ": not an array of the 114 surahs");
  for (std::size_t i = 0; i < surahs.size(); ++i)
    source.surahs.push_back(ReadSurah(surahs[i], static_cast<int>(i + 1), file.string()));
  return source;
}

}  // namespace pelvaron::pack
