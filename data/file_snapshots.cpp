#include "data/file_snapshots.hpp"

#include <algorithm>
#include <cstring>

namespace pelvaron {
namespace {

thread_local DataFileScope* current = nullptr;

// The position of the first `c` at or after `from` (the size when none); `known` is the last
// answer, used again while it is not behind `from`.
std::size_t NextOf(std::string_view bytes, char c, std::size_t from, std::size_t& known) {
  if (known != std::string_view::npos && known >= from) return known;
  const auto* found = static_cast<const char*>(std::memchr(bytes.data() + from, c, bytes.size() - from));
  known = found ? static_cast<std::size_t>(found - bytes.data()) : bytes.size();
  return known;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  // The next CR and LF found, kept while they lie ahead: every byte is searched once, also
  // in a file whose lines all end in the same one of the two.
  std::size_t cr = std::string_view::npos, lf = std::string_view::npos;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = std::min(NextOf(bytes, '\r', start, cr), NextOf(bytes, '\n', start, lf));
    lines.push_back(bytes.substr(start, end - start));
    if (end == bytes.size()) break;
    start = end + 1;
    // CR LF is one line end; a lone CR or LF is one too.
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

const std::vector<std::string_view>& FileSnapshot::Lines() const {
  if (!lines_) lines_ = SplitLines(*bytes_);
  return *lines_;
}

DataFileScope::DataFileScope() {
  if (!current) current = this;
}

DataFileScope::~DataFileScope() {
  if (current == this) current = nullptr;
}

DataFileScope* DataFileScope::Current() { return current; }

std::shared_ptr<const FileSnapshot> DataFileScope::Find(const std::filesystem::path& path,
                                                        const InMemoryFiles* memory) const {
  const auto it = kept_.find({memory, path.native()});
  return it == kept_.end() ? nullptr : it->second;
}

void DataFileScope::Keep(const std::filesystem::path& path, const InMemoryFiles* memory,
                         std::shared_ptr<const FileSnapshot> snapshot) {
  kept_[{memory, path.native()}] = std::move(snapshot);
}

}  // namespace pelvaron
