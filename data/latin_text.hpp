#pragma once
// Reading latin.txt (its layout: data/format.hpp).

#include <cstdint>
#include <string>
#include <vector>

#include "data/format.hpp"  // kLatinFile, kLatinJoinedFile
#include "module/state.hpp"

namespace pelvaron {

// The Latin of one verse. A missing file, or one that ends before the verse, is an error
// naming the file (and the line).
std::string ReadLatinLine(const ModuleState& state, int16_t surah, int16_t verse);

// Every line of the file: entry n - 1 is global verse n.
std::vector<std::string> ReadLatinLines(const ModuleState& state);

// The lines of latinjoined.txt; none when the pack lacks the file.
std::vector<std::string> ReadLatinJoinedWords(const ModuleState& state);

}  // namespace pelvaron
