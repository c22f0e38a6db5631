#include "data/pack_settings.hpp"

#include "data/format.hpp"
#include "data/in_memory_files.hpp"
#include "data/read_only_file.hpp"
#include "module/state.hpp"
#include "module/text.hpp"

namespace pelvaron {

std::map<std::string, std::string, std::less<>> ParseSettings(std::string_view text) {
  std::map<std::string, std::string, std::less<>> settings;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = TrimSpaces(text.substr(pos, end - pos));
    pos = end + 1;
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == ';' || line.front() == '[' || equals == std::string_view::npos)
      continue;
    settings[std::string(TrimSpaces(line.substr(0, equals)))] =
        std::string(TrimSpaces(line.substr(equals + 1)));
  }
  return settings;
}

void LoadPackSettings(ModuleState& state, const std::filesystem::path& appFolder) {
  state.ArabicFont.clear();
  const std::filesystem::path path = appFolder / kDataFolderName / kSettingsFile;
  const bool present = state.Files ? state.Files->Find(path) != nullptr : std::filesystem::exists(path);
  if (!present) return;
  ReadOnlyFile file(path, state.Files.get());
  const auto settings = ParseSettings(file.ReadAt(0, file.size()));
  if (const auto it = settings.find(kArabicFontKey); it != settings.end()) state.ArabicFont = it->second;
}

}  // namespace pelvaron
