#pragma once
// The one way into the engine for every front end (command line, dialogs, benchmarks): what
// to insert, its check, and the dispatch to the Arabic and translation insertions.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "insert/citation.hpp"
#include "insert/document_ops.hpp"
#include "insert/verse_segment.hpp"
#include "module/state.hpp"

namespace pelvaron {

// What the user is told for a verse outside the surah.
inline constexpr const char* kVerseMissing = "Ayat tidak ada!!!";

// The values are the host's InsertMode numbers of the three menu buttons; Latin, the Latin
// reading alone, has no button of its own.
enum class InsertWhat { All = 1, Arabic = 2, Translation = 3, Latin = 4 };

// "all", "arabic", "translation", "latin".
InsertWhat ParseInsertWhat(const std::string& text);
// InsertMode 1..3; none for any other value (no menu button clicked yet).
std::optional<InsertWhat> InsertWhatFromMode(int16_t mode);

struct InsertRequest {
  int surah = 1;
  int firstVerse = 1;
  int lastVerse = 1;
  InsertWhat what = InsertWhat::All;
  // False: every Arabic verse ends with a paragraph mark ("Ganti Baris").
  bool runOn = true;
  // The reference typed as one paragraph after everything else.
  CiteStyle cite = CiteStyle::None;
  // The Latin reading too, after the Arabic and before the translation (latin.txt).
  bool latin = false;
  // Verse by verse: each verse's Arabic paragraph, its Latin, its translation, instead of
  // one block of each.
  bool perVerse = false;
  // When not empty, the verses across surahs or of several surahs (insert/segments.hpp), each
  // surah entered at its first verse opened by its heading and basmala; surah, firstVerse and
  // lastVerse are then not read.
  std::vector<VerseSegment> segments{};
};

// False for a first verse after the last, which the numbers alone tell.
bool InOrder(const InsertRequest& request);

// Refuses what the dialog refuses: a surah outside 1..114 (an input error naming it), a
// verse above the surah's count or below 1 (kVerseMissing); and a first verse after the
// last (kVerseMissing), which the dialog lets through. Segments are checked by CheckSegments.
void CheckInsertRequest(const ModuleState& state, const InsertRequest& request);

// Asked after the Arabic when a translation follows. The Arabic yields to the host between
// verses, so a dialog's boxes may have changed meanwhile: the answer is the range the
// translation takes, or none to stop there.
using BeforeTranslation = std::function<std::optional<InsertRequest>(const InsertRequest&)>;

// Runs the insertions the request names on `doc`, Arabic first, then the Latin, the
// translation, and the citation of the range inserted last, inside the state's Frame when it
// has one. False when `beforeTranslation` stopped it (no citation then; verse by verse it is
// not asked); failures throw, and what was typed before stays. A request for the Latin on a
// pack without latin.txt fails before anything is typed. A first verse after the last (only
// the dialog lets one through) types no verse and no citation. A request of segments is
// checked here too, and `beforeTranslation` is not asked for it.
bool RunInsertRequest(const ModuleState& state, DocumentOps& doc, const InsertRequest& request,
                      const BeforeTranslation& beforeTranslation = {});

}  // namespace pelvaron
