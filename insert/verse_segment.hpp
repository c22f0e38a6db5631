#pragma once
// One surah's part of a request that crosses surahs (a juz, a page, "78:1 to 114:6") or
// joins several (Yasin, then Al-Mulk).

namespace pelvaron {

struct VerseSegment {
  int surah = 1;
  int firstVerse = 1;
  int lastVerse = 1;
};

}  // namespace pelvaron
