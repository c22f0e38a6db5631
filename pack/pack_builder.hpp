#pragma once
// Builds a complete DataQuran folder from quran-json: the surah index, the verse positions,
// AQO2.TXT, and the word-indexed translation with its notes.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pack/arabic_verse.hpp"
#include "pack/divisions_source.hpp"
#include "pack/quran_source.hpp"

namespace pelvaron::pack {

struct PackRequest {
  std::filesystem::path source;                // the unpacked quran-json package
  std::filesystem::path out;                   // the DataQuran folder, created when missing
  std::optional<std::filesystem::path> notes;  // one note a line: number, tab, text (UTF-8)
  // quran-meta's lists as cmake/quran_meta_divisions.mjs writes them; no divisions file when unset.
  std::optional<std::filesystem::path> divisions;
  // Brackets by default: LibreOffice draws the ayah sign and its number side by side.
  VerseEnd verseEnd = VerseEnd::Brackets;
  // Written to the pack's settings file as its font for the Arabic; no file when empty.
  std::string arabicFont = "Amiri Quran";
  // Called after each surah with its number (1..114).
  std::function<void(int surah)> progress;
};

struct PackSummary {
  std::vector<std::pair<std::string, std::uintmax_t>> files;  // name and size in bytes
  int verses = 0;
  int groups = 0;
  int notes = 0;                 // notes written to "Note Per Kata"
  int markersWritten = 0;        // "[n]" markers in the translation
  int markersRemoved = 0;        // footnote numbers dropped: no notes given, or no such note
  int arabicMarksMapped = 0;     // Arabic marks moved to their standard code points
  int mappedCharacters = 0;      // characters Windows-1252 lacks, replaced by a near form
  int unmappableCharacters = 0;  // of those, the ones that became "?"
};

PackSummary BuildPack(const PackRequest& request);

}  // namespace pelvaron::pack
