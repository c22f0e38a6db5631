#pragma once
// Where the add-in's own library file lies (wide: any folder name works). DataQuran sits
// beside it; registration writes its path.

#include <filesystem>

namespace pelvaron::addin {

std::filesystem::path LibraryPath();
std::filesystem::path LibraryFolder();

}  // namespace pelvaron::addin
