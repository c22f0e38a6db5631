#include "pack/json_file.hpp"

#include <fstream>

#include "module/error.hpp"

namespace pelvaron::pack {

nlohmann::json ReadJsonFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error(ErrorKind::File, path.string() + ": cannot be opened");
  try {
    return nlohmann::json::parse(in);
  } catch (const nlohmann::json::exception& e) {
    throw Error(ErrorKind::BadRecord, path.string() + ": not valid JSON: " + e.what());
  }
}

}  // namespace pelvaron::pack
