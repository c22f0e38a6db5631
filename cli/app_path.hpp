#pragma once

#include <filesystem>

namespace pelvaron::cli {

// The folder of the running executable: where DataQuran lies unless --app-path says otherwise.
std::filesystem::path ExecutableFolder();

}  // namespace pelvaron::cli
