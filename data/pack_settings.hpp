#pragma once
// The pack's settings file (kSettingsFile in data/format.hpp), so that every front end
// draws the same pack the same way.

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "module/state.hpp"

namespace pelvaron {

// "Key=Value" lines: blanks around both trimmed, lines without "=" and those starting with
// ";" or "[" skipped, the last of a repeated key kept.
std::map<std::string, std::string, std::less<>> ParseSettings(std::string_view text);

// Sets state.ArabicFont from `appFolder`/DataQuran's settings file; empty when the pack has
// none. A settings file that cannot be read is an error naming it.
void LoadPackSettings(ModuleState& state, const std::filesystem::path& appFolder);

}  // namespace pelvaron
