#include "data/read_only_file.hpp"

#include <algorithm>
#include <system_error>

#include "data/file_snapshots.hpp"
#include "data/in_memory_files.hpp"

#include "module/error.hpp"

namespace pelvaron {

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path, const InMemoryFiles* memory) : path_(path) {
  DataFileScope* scope = DataFileScope::Current();
  if (auto kept = scope ? scope->Find(path, memory) : nullptr) {
    Hold(std::move(kept));
    return;
  }
  if (memory) {
    memory_ = memory->Find(path);
    if (!memory_) throw Error(ErrorKind::File, name() + ": file not found (" + path.string() + ")");
    size_ = static_cast<int64_t>(memory_->size());
    if (scope) scope->Keep(path, memory, snapshot_ = std::make_shared<const FileSnapshot>(memory_));
    return;
  }
  OpenOnDisk();
  if (!scope) return;
  auto snapshot = Whole();
  scope->Keep(path, memory, snapshot);
  Hold(std::move(snapshot));
}

std::shared_ptr<const FileSnapshot> ReadOnlyFile::Whole() {
  if (snapshot_) return snapshot_;
  std::string bytes(static_cast<std::size_t>(size_), '\0');
  bytes.resize(ReadSome(bytes.data(), bytes.size()));
  return std::make_shared<const FileSnapshot>(std::move(bytes));
}

void ReadOnlyFile::OpenOnDisk() {
  std::error_code ec;
  const auto status = std::filesystem::status(path_, ec);
  if (ec || !std::filesystem::exists(status))
    throw Error(ErrorKind::File, name() + ": file not found (" + path_.string() + ")");
  if (!std::filesystem::is_regular_file(status))
    throw Error(ErrorKind::File, name() + ": not a regular file (" + path_.string() + ")");
  // Unbuffered: lookups read a few bytes at a position, and a buffered stream would refill
  // a whole buffer for each; the line reader brings its own large blocks.
  stream_.rdbuf()->pubsetbuf(nullptr, 0);
  stream_.open(path_, std::ios::in | std::ios::binary);
  if (!stream_)
    throw Error(ErrorKind::File, name() + ": cannot be opened for reading (" + path_.string() + ")");
  stream_.seekg(0, std::ios::end);
  const auto end = stream_.tellg();
  stream_.seekg(0, std::ios::beg);
  if (end < 0 || !stream_) throw Error(ErrorKind::File, name() + ": cannot read its length");
  size_ = static_cast<int64_t>(end);
}

// Reads from the kept bytes from here on; the stream, if open, is not read again.
void ReadOnlyFile::Hold(std::shared_ptr<const FileSnapshot> snapshot) {
  snapshot_ = std::move(snapshot);
  memory_ = &snapshot_->bytes();
  size_ = static_cast<int64_t>(memory_->size());
  position_ = 0;
}

std::string ReadOnlyFile::name() const { return path_.filename().string(); }

std::string ReadOnlyFile::ReadAt(int64_t offset, int64_t length) {
  if (memory_) {
    if (offset < 0 || length < 0 || offset + length > size_)
      throw Error(ErrorKind::PastEnd, name() + ": read of " + std::to_string(length) + " bytes at offset " +
                                          std::to_string(offset) + " runs past the end of the file");
    return memory_->substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
  }
  std::string bytes(static_cast<std::size_t>(length), '\0');
  stream_.clear();
  stream_.seekg(offset, std::ios::beg);
  stream_.read(bytes.data(), static_cast<std::streamsize>(length));
  if (stream_.gcount() != static_cast<std::streamsize>(length))
    throw Error(ErrorKind::PastEnd, name() + ": read of " + std::to_string(length) + " bytes at offset " +
                                        std::to_string(offset) + " runs past the end of the file");
  return bytes;
}

std::size_t ReadOnlyFile::ReadSome(char* buffer, std::size_t capacity) {
  if (memory_) {
    const auto count = std::min<std::size_t>(capacity, static_cast<std::size_t>(size_ - position_));
    memory_->copy(buffer, count, static_cast<std::size_t>(position_));
    position_ += static_cast<int64_t>(count);
    return count;
  }
  stream_.read(buffer, static_cast<std::streamsize>(capacity));
  const auto got = stream_.gcount();
  if (stream_.bad()) throw Error(ErrorKind::File, name() + ": read error");
  return static_cast<std::size_t>(got);
}

}  // namespace pelvaron
