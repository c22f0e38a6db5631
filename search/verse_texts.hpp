#pragma once
// The text of every verse as the search reads it, through the engine's own readers.

#include <cstdint>
#include <string>
#include <vector>

#include "module/state.hpp"

namespace pelvaron::search {

struct VerseText {
  int16_t surah = 0;
  int16_t verse = 0;
  std::string translation;  // as the translation insertion types it, without the "N. " before it
  std::string arabic;       // what the Arabic insertion types in "(normal text)", without the verse-end sign
  std::string latin;        // the Latin reading; empty when the pack has none
};

// All verses, surah 1 verse 1 first. The data files are read once each, into memory.
std::vector<VerseText> ReadVerseTexts(const ModuleState& state);

}  // namespace pelvaron::search
