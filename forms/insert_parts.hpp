#pragma once
// The parts a user ticks (Arab, Latin, Terjemah: the search form's "Sisipkan" entries, the web
// page's checkboxes) turned into what an insertion request takes, in one place for every front end.

#include "insert/insert_request.hpp"

namespace pelvaron::forms {

// What the user is told when no part is chosen.
inline constexpr const char* kNoPartChosen = "Pilih sedikitnya satu bagian: Arab, Latin atau Terjemah.";

struct InsertParts {
  bool arabic = false;
  bool latin = false;
  bool translation = false;
};

// InsertRequest's `what` and `latin` for the parts.
struct InsertMode {
  InsertWhat what = InsertWhat::All;
  bool latin = false;
};

// The Latin alone is its own mode; with the Arabic or the translation it rides along. No part
// at all is an input error saying kNoPartChosen.
InsertMode InsertModeOf(const InsertParts& parts);

}  // namespace pelvaron::forms
