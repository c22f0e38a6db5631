#pragma once
// The Arabic of a verse range as the glyph file gives it: one loop over the verses, each
// verse's glyph pieces handed to the insertion's font mode, the screen frozen per verse and
// the host given a yield after it.

#include <cstdint>
#include <string>
#include <vector>

#include "data/arabic_text.hpp"
#include "data/format.hpp"  // kNormalTextFont
#include "insert/document_ops.hpp"
#include "insert/font_mode.hpp"
#include "module/state.hpp"

namespace pelvaron {

inline constexpr float kArabicFontSize = 14.0f;

// Hands each word's glyph pieces to `fonts`, a blank after each word (but the last without
// `blankAfterLast`). `font` is the glyph font in force, which a piece may change, and stays so
// for the words that follow.
void TypeArabicWords(FontMode& fonts, const std::vector<ArabicWord>& words, std::string& font,
                     bool blankAfterLast = true);

// Types the Arabic text of verses first..last of `surah`, glyph by glyph, right to left,
// justified, 14 points; with runOn false a paragraph mark ends every verse. Leaves the
// insertion point in a fresh left-to-right justified paragraph.
void InsertArabicRange(const ModuleState& state, DocumentOps& doc, FontMode& fonts, int16_t surah,
                       int16_t firstVerse, int16_t lastVerse, bool runOn);
// The same as an insertion of its own, in the pack's font mode.
void InsertArabicRange(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t firstVerse,
                       int16_t lastVerse, bool runOn);

}  // namespace pelvaron
