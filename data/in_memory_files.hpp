#pragma once
// Data files held in memory: the readers take their bytes from here instead of the disk
// when a ModuleState carries one. Used to measure the engine without the cost of opening
// and re-reading files, and to fuzz the readers without writing files.

#include <filesystem>
#include <map>
#include <string>

namespace pelvaron {

class InMemoryFiles {
 public:
  void Put(const std::filesystem::path& path, std::string bytes);
  // Every regular file directly inside `folder`.
  void LoadFolder(const std::filesystem::path& folder);
  // The bytes of `path`, or null when there is no such file.
  const std::string* Find(const std::filesystem::path& path) const;

 private:
  std::map<std::filesystem::path, std::string> files_;
};

}  // namespace pelvaron
