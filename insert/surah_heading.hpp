#pragma once
// The heading a request across surahs types before each surah it enters at its first verse,
// as a printed juz shows it: "Surat <Latin name>" in the document's font, "سورة <Arabic name>"
// in the Quran font, then the basmala, each a centred paragraph. Al-Fatihah, whose first verse
// the basmala is, and At-Taubah, which has none, get no basmala line.

#include <array>
#include <string>
#include <vector>

#include "data/arabic_text.hpp"
#include "insert/document_ops.hpp"
#include "insert/font_mode.hpp"
#include "module/state.hpp"

namespace pelvaron {

inline constexpr int32_t kAlignCentre = 1;
inline constexpr float kSurahHeadingSize = 12.0f;

// What the headings read from the pack, read before anything is typed: the Arabic names
// (surahnames.txt) and the words of 1:1 without the last, its verse-end mark.
struct SurahHeadingTexts {
  std::array<std::string, kSurahCount + 1> arabicNames;
  std::vector<ArabicWord> basmala;
};
SurahHeadingTexts ReadSurahHeadingTexts(const ModuleState& state);

bool HasBasmalaLine(int surah);

// Types the heading of `surah`, its basmala line only when `arabic` (the request types the
// Arabic: a translation alone gets no Arabic verse). Leaves a left-to-right paragraph in the
// document's font.
void InsertSurahHeading(const ModuleState& state, DocumentOps& doc, FontMode& fonts,
                        const SurahHeadingTexts& texts, int surah, bool arabic);

}  // namespace pelvaron
