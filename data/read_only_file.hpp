#pragma once
// A data file opened for reading only. Opening never creates a file: a missing path, a
// folder or anything unreadable is an error naming the path. The file is closed when the
// object goes, on every path out of the procedure that opened it.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace pelvaron {

class FileSnapshot;
class InMemoryFiles;

class ReadOnlyFile {
 public:
  // Reads from `memory` instead of the disk when it is given. Within a DataFileScope the
  // file is read whole at its first opening there and later openings share those bytes.
  explicit ReadOnlyFile(const std::filesystem::path& path, const InMemoryFiles* memory = nullptr);

  const std::filesystem::path& path() const { return path_; }
  // The file's name as error messages show it.
  std::string name() const;
  int64_t size() const { return size_; }
  // The bytes kept by the thread's DataFileScope; null outside one.
  const FileSnapshot* snapshot() const { return snapshot_.get(); }
  // The whole file: the kept bytes, or read now from the start (before any other read).
  std::shared_ptr<const FileSnapshot> Whole();

  // Reads exactly `length` bytes at `offset`; the caller has checked the bounds against
  // size(), so a short read means the file changed under us and is reported as past-end.
  std::string ReadAt(int64_t offset, int64_t length);
  // Reads up to `capacity` bytes from the current position; returns how many were read.
  std::size_t ReadSome(char* buffer, std::size_t capacity);

 private:
  void OpenOnDisk();
  void Hold(std::shared_ptr<const FileSnapshot> snapshot);

  std::filesystem::path path_;
  std::ifstream stream_;
  const std::string* memory_ = nullptr;  // the bytes, when held in memory
  int64_t position_ = 0;                 // read position within memory_
  int64_t size_ = 0;
  std::shared_ptr<const FileSnapshot> snapshot_;
};

}  // namespace pelvaron
