#pragma once
// Writes the files of a pack into its folder, each one whole or not at all.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "files/replacing_file.hpp"
#include "pack/format_writer.hpp"

namespace pelvaron::pack {

class PackFolderWriter {
 public:
  explicit PackFolderWriter(std::filesystem::path dir) : dir_(std::move(dir)) {}

  // Written beside its final name; nothing in the folder changes before Commit.
  void Write(const std::string& name, const std::string& bytes);
  // Removes `name` at Commit if an earlier build left it.
  void Remove(const std::string& name);
  // Renames every written file over its name together, then removes what was to go, so a
  // failed or interrupted run leaves the folder as it was.
  void Commit();
  // name + kIndexExtension and name + kDataExtension.
  void WritePair(std::string_view name, const IndexedPairBytes& pair);

  // Every file written so far, with its size in bytes.
  const std::vector<std::pair<std::string, std::uintmax_t>>& written() const { return written_; }

 private:
  std::filesystem::path dir_;
  std::vector<std::pair<std::string, std::uintmax_t>> written_;
  std::vector<std::unique_ptr<files::ReplacingFile>> files_;
  std::vector<std::string> removed_;
};

}  // namespace pelvaron::pack
