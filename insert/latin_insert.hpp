#pragma once
// The Latin reading of a verse range: its lines from the pack's latin.txt, typed as italic
// left-to-right paragraphs numbered like the translation.

#include <cstdint>
#include <string>
#include <vector>

#include "insert/document_ops.hpp"
#include "insert/font_mode.hpp"
#include "module/state.hpp"

namespace pelvaron {

// The Latin of verses first..last of `surah` from the pack's latin.txt, read before anything
// is typed: a pack without the file refuses the request with an error naming it. None for a
// first verse after the last.
std::vector<std::string> ReadLatinRange(const ModuleState& state, int16_t surah, int16_t firstVerse,
                                        int16_t lastVerse);

// One paragraph per line, "<verse>. <Latin>", numbered from `firstVerse` like the
// translation: left to right, aligned left, italic, in the document's own font at the
// translation's size. Italic is off again afterwards.
void InsertLatinLines(DocumentOps& doc, FontMode& fonts, int16_t firstVerse,
                      const std::vector<std::string>& lines);
// The same as an insertion of its own, in the pack's font mode.
void InsertLatinLines(const ModuleState& state, DocumentOps& doc, int16_t firstVerse,
                      const std::vector<std::string>& lines);

}  // namespace pelvaron
