#pragma once
// Reading surahindex.mtf and pos_depag.txt (their layout: data/format.hpp).

#include <filesystem>
#include <memory>

#include "data/format.hpp"
#include "module/state.hpp"

namespace pelvaron {

// Fills state.SurahTable and state.VersePos from `appFolder`/DataQuran, then the pack's
// settings (pack_settings.hpp): every front end loads the index first. The first failure
// ends the load; entries loaded before it keep their new values.
void LoadSurahIndex(ModuleState& state, const std::filesystem::path& appFolder);

// What a connection does before anything else: loads the surah index of `appFolder` (from
// `files` when given, else from the disk), then sets AppPath to it. AppPath is set only after
// the load succeeds, so it always names a folder whose index is in the tables: a failed load
// leaves it at the folder that last loaded in full (empty before the first), and no reader
// goes looking for verses in a folder that was never checked.
void LoadModuleState(ModuleState& state, const std::filesystem::path& appFolder,
                     std::shared_ptr<const InMemoryFiles> files = nullptr);

}  // namespace pelvaron
