#pragma once
// Surah names as people type them: "Al-Baqarah", "al baqoroh", "QS. Al-Baqarah", "البقرة".

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pelvaron::search {

// The key two spellings of one name share. Latin: case, accents, hyphens and apostrophes
// ignored; leading "QS", "Surah"/"Surat", "Al-"/"An-"/"Asy-"…, "Ali" words dropped; the
// usual Indonesian spellings folded (q/k, o/a, dz/dh/z, sy/sh/s, ts/th/t, ai/ay, au/aw,
// iy/y, a final "h" after a vowel, a final "i" after two consonants) and doubled letters
// made single. Arabic: marks dropped, letter forms unified, a leading "سورة" and "ال" dropped.
std::string NormaliseSurahName(std::string_view name);

class SurahNameMatcher {
 public:
  // Adds `name` for `surah`; a name already taken keeps its first surah.
  void Add(std::string_view name, int surah);
  // The surah `name` names, also written with the article joined on ("albaqarah", "annas");
  // with `typos`, also a name a typo or two away (as for words: one from 5 letters of the
  // folded name, two from 8) when only one surah is that near.
  std::optional<int> Find(std::string_view name, bool typos = false) const;

 private:
  std::unordered_map<std::string, int> surahs_;
};

}  // namespace pelvaron::search
