#pragma once

#include <cstdint>
#include <string>

#include "insert/document_ops.hpp"
#include "module/state.hpp"

namespace pelvaron {

inline constexpr float kTranslationFontSize = 10.0f;
inline constexpr int kMaxNoteMarkers = 2000;

// "<verse>. " + the verse's group texts, each after one space, the first letter upper-cased.
std::string BuildVerseTranslation(const ModuleState& state, int16_t surah, int16_t verse);

// "[<note>] " + the note's group texts, each after one space, italic tags removed.
std::string BuildNoteText(const ModuleState& state, int16_t note);

// One paragraph per verse, an empty paragraph, then one paragraph per note marker found in
// the verses, in marker order; 10 points, justified, left to right.
void InsertTranslationRange(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t firstVerse,
                            int16_t lastVerse);

}  // namespace pelvaron
