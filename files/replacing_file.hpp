#pragma once
// An output file written under a temporary name in its own folder and renamed over its name
// only when complete: a failed or interrupted run leaves the file as it was and no temporary
// file behind. A target that is no regular file (a device such as /dev/null, a pipe) is
// written directly, since it cannot be replaced.

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace pelvaron::files {

class ReplacingFile {
 public:
  // Refuses, with an error naming `target`, a target that is a folder, a read-only file, or
  // lies in a folder that does not exist or cannot be written.
  explicit ReplacingFile(const std::filesystem::path& target);
  ~ReplacingFile();  // without Commit the temporary file is removed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  std::ostream& stream();
  // Writes out what is buffered and puts the file in place; an error (a full disk, a size
  // limit) names the target, which is then left as it was.
  void Commit();
  // Commits every file, or none when one cannot be written out; an interruption waits until
  // the last is in place, so a set of files is never left part new, part old.
  static void CommitTogether(const std::vector<std::unique_ptr<ReplacingFile>>& files);

 private:
  class FdBuffer;
  // A target that is no regular file, opened to be written directly.
  void OpenDirectly();
  // The temporary file beside the target, registered for cleanup; its descriptor.
  int CreateTemp();
  void Attach(int fd);
  void WriteOut();
  void PutInPlace();
  std::filesystem::path name_;    // as given, for messages
  std::filesystem::path target_;  // symbolic links followed
  std::string temp_;              // empty when writing the target directly
  int slot_ = -1;                 // the temporary file's cleanup registration
  std::unique_ptr<FdBuffer> buffer_;
  std::unique_ptr<std::ostream> stream_;
  bool committed_ = false;
};

}  // namespace pelvaron::files
