#pragma once
// What a host keeps of the user's choices (Word's ribbon, Writer's menu) for the insertions
// its dialogs make: the reference after them, the Latin reading, the verse-by-verse layout.

#include "insert/citation.hpp"

namespace pelvaron::forms {

struct HostChoices {
  CiteStyle cite = CiteStyle::None;
  bool latin = false;
  bool perVerse = false;
};

}  // namespace pelvaron::forms
