#pragma once
// The reference typed after the inserted verses, the way Indonesian writers give it:
// "(QS. Al-Baqarah [2]: 255)", "(QS 2:255)" or, right to left, "[البقرة: ٢٥٥]".

#include <string>
#include <vector>

#include "insert/document_ops.hpp"
#include "insert/font_mode.hpp"
#include "insert/verse_segment.hpp"
#include "module/state.hpp"

namespace pelvaron {

enum class CiteStyle { None, Qs, Short, Arabic };

// "none", "qs", "short", "arabic"; anything else is an input error naming it.
CiteStyle ParseCiteStyle(const std::string& text);

// The citation of verses first..last of `surah` (one verse when they are equal, else a range
// with an en dash); empty for None and for a first verse after the last, which inserts no verse. Latin names
// come from the surah index, Arabic ones from surahnames.txt, whose absence is an error naming it.
std::string CitationText(const ModuleState& state, CiteStyle style, int surah, int firstVerse, int lastVerse);

// The citation of segments: for one segment the form above; verses that follow each other
// across surahs as one range, "(QS. An-Naba’ [78]: 1 – An-Nas [114]: 6)", "(QS 78:1–114:6)",
// "[النبإ: ١ – الناس: ٦]"; ranges that do not follow each other joined by "; " ("؛ " in Arabic).
std::string CitationText(const ModuleState& state, CiteStyle style,
                         const std::vector<VerseSegment>& segments);

// Types `text` as one paragraph; an Arabic citation right to left, the paragraph after it left
// to right again. Nothing for an empty text.
void InsertCitation(DocumentOps& doc, FontMode& fonts, CiteStyle style, const std::string& text);

}  // namespace pelvaron
