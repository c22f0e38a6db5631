#pragma once
// Verses people search by name ("ayat kursi"), kept as data in well_known_verses.txt.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelvaron::search {

struct VerseRange {
  int surah = 0;
  int firstVerse = 0;  // 0 with lastVerse 0: the whole surah
  int lastVerse = 0;
};

struct WellKnownName {
  std::string name;
  std::vector<VerseRange> ranges;
};

// Calls line(text, number) for each line of a compiled-in data text but blank and "#" lines,
// without its line end (LF or CR LF); numbers count from 1.
void ForEachDataLine(std::string_view text, const std::function<void(std::string_view, int)>& line);

// The topic name a shorter topic query stands for: "ayat tentang sabar" for "ayat sabar",
// "tentang sabar" or "ayat-ayat tentang sabar"; empty when `query` has no such lead words.
std::string TopicName(std::string_view query);

// The text of well_known_verses.txt, compiled in.
std::string_view WellKnownNamesText();

// The entries of a names text; `source` names it in errors. Blank lines and "#" lines are skipped;
// a third tab-separated column (where the name is used) is not read;
// a line without a tab or with a reference that is not "S", "S:V" or "S:V-W" is an error naming the line.
std::vector<WellKnownName> ParseWellKnownNames(std::string_view text, const std::string& source);

}  // namespace pelvaron::search
