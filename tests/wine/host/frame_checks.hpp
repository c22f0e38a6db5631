#pragma once
// What the stand-in Word checks around one insertion, apart from its trace: the undo record
// and status-bar calls, and that nothing is typed after the add-in had to stop.

#include <cstddef>

#include "tests/wine/host/checks.hpp"

namespace pelvaron::wine_host {

struct InsertedRange {
  int surah = 0, first = 0, last = 0;
  bool undoRecord = true;  // the stand-in offers Application.UndoRecord
  // Verses of the translation whose progress must show: -1 when it may have stopped anywhere.
  int translated = 0;
};

// One record named after the range from before the first operation to after the last, and
// "ayat k dari n" once per yield, "terjemah k dari n" once per verse of the translation,
// then an empty status bar for more than one verse; nothing
// when no insertion ran. `traceFrom`: where this insertion's trace begins.
void CheckFrame(Checks& check, const InsertedRange& range, std::size_t traceFrom);

// After yield `at` (0: no such yield), where the document went away or Word began to close,
// the add-in only turns screen updating back on: it types nothing more anywhere.
void CheckNothingTypedAfterStop(Checks& check, long at);

}  // namespace pelvaron::wine_host
