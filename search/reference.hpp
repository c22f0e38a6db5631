#pragma once
// Verse references as people write them: "2:255", "QS. Al-Baqarah [2]: 255", "al baqoroh 255",
// "البقرة ٢٥٥", "2:255-257", or a surah alone ("Yasin", "36").

#include <optional>
#include <string_view>

#include "search/surah_names.hpp"

namespace pelvaron::search {

struct Reference {
  int surah = 0;
  int firstVerse = 0;
  int lastVerse = 0;
  bool surahAlone = false;  // no verse given
};

// The reference `query` writes, unchecked against the surah's verse count; none when it is not
// one. A name is looked up in `names`; numbers too large for a verse come back as 99999.
std::optional<Reference> ParseReference(std::string_view query, const SurahNameMatcher& names);

}  // namespace pelvaron::search
