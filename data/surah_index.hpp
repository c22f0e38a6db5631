#pragma once
// surahindex.mtf (114 records of 34 bytes) and pos_depag.txt (one verse offset a line).

#include <filesystem>

#include "module/state.hpp"

namespace pelvaron {

inline constexpr int kSurahRecordSize = 34;

// Fills state.SurahTable and state.VersePos from `appFolder`/DataQuran. The first failure
// ends the load; entries loaded before it keep their new values.
void LoadSurahIndex(ModuleState& state, const std::filesystem::path& appFolder);

}  // namespace pelvaron
