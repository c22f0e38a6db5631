#pragma once
// divisions.txt (its layout: data/format.hpp): the juz, hizb quarters, pages, manzils, ruku'
// and sajdah verses of the Hafs mushaf. The only reader of the file.

#include <array>
#include <compare>
#include <string>
#include <vector>

#include "data/format.hpp"
#include "module/state.hpp"

namespace pelvaron {

struct VerseRef {
  int surah = 0;
  int verse = 0;
  auto operator<=>(const VerseRef&) const = default;
};

// "2:142".
std::string VerseRefText(VerseRef ref);

struct VerseSpan {
  VerseRef first;
  VerseRef last;
};

struct Divisions {
  // Indexed by DivisionKind: each division's first verse in order (for the sajdah kind, the
  // verses themselves).
  std::array<std::vector<VerseRef>, kDivisionKindCount> starts;

  const std::vector<VerseRef>& Of(DivisionKind kind) const { return starts[static_cast<std::size_t>(kind)]; }
};

// Reads the loaded pack's file (the surah index must be loaded: each verse is checked against
// it). A missing file is a File error naming it; a line that is not what the format says is
// an error naming the file and the line.
Divisions ReadDivisions(const ModuleState& state);

// The verses of division `number` (from 1) of a kind other than sajdah; a number outside the
// kind's range is an Input error saying the range.
VerseSpan DivisionSpan(const Divisions& divisions, DivisionKind kind, int number, const ModuleState& state);

// The number of the division of `kind` (not sajdah) that holds `verse`.
int DivisionOf(const Divisions& divisions, DivisionKind kind, VerseRef verse);

}  // namespace pelvaron
