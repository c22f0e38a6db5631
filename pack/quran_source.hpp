#pragma once
// The npm package quran-json as the pack builder reads it: dist/quran_id.json holds, per
// surah, its Latin and Arabic names and, per verse, the Uthmani Arabic text and the Indonesian
// translation.

#include <filesystem>
#include <string>
#include <vector>

namespace pelvaron::pack {

struct SourceVerse {
  std::string arabic;       // UTF-8
  std::string translation;  // UTF-8
};

struct SourceSurah {
  std::string latinName;   // UTF-8, e.g. "Al-Fatihah"
  std::string arabicName;  // UTF-8, e.g. "الفاتحة"; empty when the source has none
  std::vector<SourceVerse> verses;
};

struct QuranSource {
  std::string packageName;          // from package.json
  std::string packageVersion;       // from package.json
  std::vector<SourceSurah> surahs;  // surah 1 first, all 114
};

// Reads `packageDir` (the unpacked package: package.json, dist/, LICENSE.txt). Anything
// missing or out of shape is an error naming the file and the surah or verse.
QuranSource LoadQuranSource(const std::filesystem::path& packageDir);

}  // namespace pelvaron::pack
