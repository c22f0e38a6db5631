#pragma once
// A DataQuran folder of this fuzzing process, rewritten for every input. Kept in memory
// backed storage where the machine has it, so an input costs no disk writes.

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace pelvaron::fuzz {

inline const std::filesystem::path& AppFolder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    auto dir = base / ("pelvaron-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "DataQuran");
    return dir;
  }();
  return folder;
}

inline void WriteDataFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(AppFolder() / "DataQuran" / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pelvaron::fuzz
