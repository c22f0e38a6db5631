#include "files/replacing_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <streambuf>
#include <vector>

#include "files/temp_file_cleanup.hpp"
#include "module/error.hpp"

namespace pelvaron::files {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& target, const std::string& why) {
  throw Error(ErrorKind::File, target.string() + ": " + why);
}

std::string Reason(int error) { return std::strerror(error); }

// A symbolic link is followed, so the file it names is replaced and the link stays.
std::filesystem::path ResolvedTarget(const std::filesystem::path& target) {
  std::error_code ec;
  const auto resolved = std::filesystem::canonical(target, ec);
  return ec ? target : resolved;
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.parent_path();
  return folder.empty() ? "." : folder;
}

// What the new file takes over from the one it replaces.
struct Kept {
  mode_t mode;
  std::optional<std::pair<uid_t, gid_t>> owner;
};

// Replacing needs only the folder's permission; a file marked read-only is kept anyway.
Kept Replaceable(const std::filesystem::path& given, const std::filesystem::path& target,
                 const struct stat& info) {
  if (access(target.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0)
    Fail(given, "is read-only; it was left as it was");
  return {info.st_mode & 07777, std::pair{info.st_uid, info.st_gid}};
}

// A new file's folder must be there and be a folder.
void CheckFolder(const std::filesystem::path& given, const std::filesystem::path& folder) {
  struct stat info {};
  if (stat(folder.c_str(), &info) != 0) Fail(given, "the folder " + folder.string() + " does not exist");
  if (!S_ISDIR(info.st_mode)) Fail(given, folder.string() + " is not a folder");
}

}  // namespace

// Keeps the first write error's errno, which std::ofstream would lose.
class ReplacingFile::FdBuffer : public std::streambuf {
 public:
  explicit FdBuffer(int fd) : fd_(fd), buffer_(1 << 16) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  ~FdBuffer() override {
    if (fd_ >= 0) ::close(fd_);
  }
  // 0, or the errno of the first failure; the descriptor is closed either way.
  int Close() {
    Drain();
    if (fd_ >= 0 && ::close(fd_) != 0 && error_ == 0) error_ = errno;
    fd_ = -1;
    return error_;
  }
  int fd() const { return fd_; }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    const char* p = pbase();
    while (error_ == 0 && p < pptr()) {
      const ssize_t n = ::write(fd_, p, static_cast<std::size_t>(pptr() - p));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0)
        error_ = errno;
      else
        p += n;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
  }

  int fd_;
  int error_ = 0;
  std::vector<char> buffer_;
};

ReplacingFile::ReplacingFile(const std::filesystem::path& given)
    : name_(given), target_(ResolvedTarget(given)) {
  struct stat info {};
  Kept kept{NewFileMode(), std::nullopt};
  if (stat(target_.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) Fail(given, "is a folder, not a file");
    if (!S_ISREG(info.st_mode)) {
      OpenDirectly();
      return;
    }
    kept = Replaceable(given, target_, info);
  } else if (errno == ENOENT || errno == ENOTDIR) {
    CheckFolder(given, FolderOf(target_));
  } else {
    Fail(given, "cannot be written: " + Reason(errno));
  }
  const int fd = CreateTemp();
  fchmod(fd, kept.mode);
  if (kept.owner) (void)!fchown(fd, kept.owner->first, kept.owner->second);  // kept when run as another user
  Attach(fd);
}

void ReplacingFile::OpenDirectly() {
  const int fd = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) Fail(name_, "cannot be opened for writing: " + Reason(errno));
  Attach(fd);
}

int ReplacingFile::CreateTemp() {
  const std::filesystem::path folder = FolderOf(target_);
  // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
  std::string hidden = ".";
  hidden += target_.filename().string();
  hidden += ".XXXXXX";
  std::string temp = (folder / hidden).string();
  SignalsHeld held;
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) Fail(name_, "cannot be written in the folder " + folder.string() + ": " + Reason(errno));
  try {
    slot_ = RegisterTempFile(temp);
  } catch (...) {
    ::close(fd);
    ::unlink(temp.c_str());
    throw;
  }
  temp_ = temp;
  return fd;
}

void ReplacingFile::Attach(int fd) {
  buffer_ = std::make_unique<FdBuffer>(fd);
  stream_ = std::make_unique<std::ostream>(buffer_.get());
}

ReplacingFile::~ReplacingFile() {
  stream_.reset();
  buffer_.reset();  // closes the descriptor
  if (temp_.empty() || committed_) return;
  SignalsHeld held;
  ::unlink(temp_.c_str());
  ReleaseTempFile(slot_);
}

std::ostream& ReplacingFile::stream() { return *stream_; }

void ReplacingFile::WriteOut() {
  stream_->flush();
  // Durable before it is visible under the name, so a crash cannot leave an empty file there.
  if (!temp_.empty() && buffer_->fd() >= 0) fsync(buffer_->fd());
  if (const int error = buffer_->Close(); error != 0)
    Fail(name_, "could not be written completely (" + Reason(error) + ")" +
                    (temp_.empty() ? "" : "; it was left as it was"));
}

// Called with the signals held.
void ReplacingFile::PutInPlace() {
  if (!temp_.empty() && std::rename(temp_.c_str(), target_.c_str()) != 0)
    Fail(name_, "cannot be replaced: " + Reason(errno));
  committed_ = true;
  if (!temp_.empty()) ReleaseTempFile(slot_);
}

void ReplacingFile::Commit() {
  WriteOut();
  SignalsHeld held;
  PutInPlace();
}

void ReplacingFile::CommitTogether(const std::vector<std::unique_ptr<ReplacingFile>>& files) {
  for (const auto& file : files) file->WriteOut();
  SignalsHeld held;
  for (const auto& file : files) file->PutInPlace();
}

}  // namespace pelvaron::files
