// A JSON file of a source package read whole; an unreadable or malformed file is an error
// naming it.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>

namespace pelvaron::pack {

nlohmann::json ReadJsonFile(const std::filesystem::path& path);

}  // namespace pelvaron::pack
