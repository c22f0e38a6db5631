#pragma once
// The divisions of the Hafs mushaf as the pack builder takes them from the npm package
// quran-meta: the JSON cmake/quran_meta_divisions.mjs writes from the package's own lists.
// divisions.txt (data/format.hpp) is made from it.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "data/format.hpp"

namespace pelvaron::pack {

struct DivisionsSource {
  std::string packageName;
  std::string packageVersion;
  std::string license;  // the package's licence text, carried into the attribution
  // Indexed by DivisionKind: each division's first verse as a global verse number (1 is
  // 1:1); for the sajdah kind, the verses themselves.
  std::array<std::vector<int>, kDivisionKindCount> firstVerses;
};

// Reads the JSON; a missing member or a value of the wrong type is an error naming the file
// and the member.
DivisionsSource LoadDivisionsSource(const std::filesystem::path& file);

// divisions.txt's bytes, each global verse number written as surah:verse by the surahs'
// verse counts (surah 1 first). A kind with the wrong number of entries, a verse outside the
// Quran or out of order is an error naming the kind and the entry.
std::string EncodeDivisions(const DivisionsSource& source, const std::vector<int>& verseCounts);

}  // namespace pelvaron::pack
