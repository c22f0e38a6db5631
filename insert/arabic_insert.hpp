#pragma once

#include <cstdint>

#include "data/format.hpp"  // kNormalTextFont
#include "insert/document_ops.hpp"
#include "module/state.hpp"

namespace pelvaron {

inline constexpr float kArabicFontSize = 14.0f;

// Types the Arabic text of verses first..last of `surah`, glyph by glyph, right to left,
// justified, 14 points; with runOn false a paragraph mark ends every verse. Leaves the
// insertion point in a fresh left-to-right justified paragraph.
void InsertArabicRange(const ModuleState& state, DocumentOps& doc, int16_t surah, int16_t firstVerse,
                       int16_t lastVerse, bool runOn);

}  // namespace pelvaron
