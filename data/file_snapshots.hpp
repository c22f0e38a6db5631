#pragma once
// Data files read whole once and kept while a scope lasts. An insertion reads every verse's
// line, record and group text from the same few files; without a scope each lookup opens its
// file again and a verse's line is found by reading from the file's first line.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelvaron {

class InMemoryFiles;

// The lines of `bytes` without their ends, split as LineReader splits them.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// One file's bytes, owned or held by an InMemoryFiles, and its lines once asked for.
class FileSnapshot {
 public:
  explicit FileSnapshot(std::string bytes) : owned_(std::move(bytes)), bytes_(&owned_) {}
  explicit FileSnapshot(const std::string* held) : bytes_(held) {}
  FileSnapshot(const FileSnapshot&) = delete;
  FileSnapshot& operator=(const FileSnapshot&) = delete;

  const std::string& bytes() const { return *bytes_; }
  const std::vector<std::string_view>& Lines() const;

 private:
  std::string owned_;
  const std::string* bytes_;
  mutable std::optional<std::vector<std::string_view>> lines_;
};

// While one lives on a thread, the files read there are kept: each is read at its first
// opening and never again, so a change to it during the scope goes unseen; the next scope
// reads it afresh. A scope opened inside another leaves the outer one in charge.
class DataFileScope {
 public:
  DataFileScope();
  ~DataFileScope();
  DataFileScope(const DataFileScope&) = delete;
  DataFileScope& operator=(const DataFileScope&) = delete;

  // The thread's scope in charge, or null.
  static DataFileScope* Current();

  // The kept snapshot of `path` (from `memory` when given), or null when not yet kept.
  std::shared_ptr<const FileSnapshot> Find(const std::filesystem::path& path,
                                           const InMemoryFiles* memory) const;
  void Keep(const std::filesystem::path& path, const InMemoryFiles* memory,
            std::shared_ptr<const FileSnapshot> snapshot);

 private:
  using Key = std::pair<const InMemoryFiles*, std::filesystem::path::string_type>;
  std::map<Key, std::shared_ptr<const FileSnapshot>> kept_;
};

}  // namespace pelvaron
