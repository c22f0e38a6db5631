#pragma once
// Reading surahindex.mtf and pos_depag.txt (their layout: data/format.hpp).

#include <filesystem>

#include "data/format.hpp"
#include "module/state.hpp"

namespace pelvaron {

// Fills state.SurahTable and state.VersePos from `appFolder`/DataQuran, then the pack's
// settings (pack_settings.hpp): every front end loads the index first. The first failure
// ends the load; entries loaded before it keep their new values.
void LoadSurahIndex(ModuleState& state, const std::filesystem::path& appFolder);

}  // namespace pelvaron
