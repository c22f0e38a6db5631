#pragma once
// The word-by-word translation of a verse range: one paragraph per verse built from the
// word-indexed files, then the notes its "[n]" markers name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "insert/document_ops.hpp"
#include "insert/font_mode.hpp"
#include "module/state.hpp"

namespace pelvaron {

inline constexpr float kTranslationFontSize = 10.0f;
inline constexpr int kMaxNoteMarkers = 2000;

// "<verse>. " + the verse's group texts, each after one space, the first letter upper-cased.
std::string BuildVerseTranslation(const ModuleState& state, int16_t surah, int16_t verse);

// "[<note>] " + the note's group texts, each after one space, italic tags removed.
std::string BuildNoteText(const ModuleState& state, int16_t note);

// Appends the note numbers of the markers "[" … "]" in `line`, left to right; the text
// between the brackets is read by the host's numeric-prefix conversion. More than
// kMaxNoteMarkers in all, a "[" without "]" after it, or a number outside 16 bits fail,
// the message starting with `where`.
void CollectNoteMarkers(std::string_view line, std::vector<int16_t>& notes, const std::string& where);

// Where a range stands in a longer insertion, for the host's progress: `before` verses of it
// came before the range, `total` in all; none (zero) for a range that is the whole of it.
struct TranslationProgress {
  int before = 0;
  int total = 0;
};

// One paragraph per verse, an empty paragraph, then one paragraph per note marker found in
// the verses, in marker order; 10 points, justified, left to right.
void InsertTranslationRange(const ModuleState& state, DocumentOps& doc, FontMode& fonts, int16_t surah,
                            int16_t firstVerse, int16_t lastVerse, TranslationProgress progress = {});
// The same as an insertion of its own, in the pack's font mode.
void InsertTranslationRange(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t firstVerse,
                            int16_t lastVerse);

}  // namespace pelvaron
