#pragma once
// Writes the files of a pack into its folder, each one whole or not at all.

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "pack/format_writer.hpp"

namespace pelvaron::pack {

class PackFolderWriter {
 public:
  explicit PackFolderWriter(std::filesystem::path dir) : dir_(std::move(dir)) {}

  // Written beside its final name and renamed, so a failed run leaves no half file.
  void Write(const std::string& name, const std::string& bytes);
  // Removes `name` if an earlier build left it.
  void Remove(const std::string& name);
  // name + kIndexExtension and name + kDataExtension.
  void WritePair(std::string_view name, const IndexedPairBytes& pair);

  // Every file written so far, with its size in bytes.
  const std::vector<std::pair<std::string, std::uintmax_t>>& written() const { return written_; }

 private:
  std::filesystem::path dir_;
  std::vector<std::pair<std::string, std::uintmax_t>> written_;
};

}  // namespace pelvaron::pack
