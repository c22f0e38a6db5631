#include "data/in_memory_files.hpp"

#include <fstream>
#include <iterator>

#include "module/error.hpp"

namespace pelvaron {

void InMemoryFiles::Put(const std::filesystem::path& path, std::string bytes) {
  files_[path.lexically_normal()] = std::move(bytes);
}

void InMemoryFiles::LoadFolder(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    if (!in)
      throw Error(ErrorKind::File, entry.path().filename().string() + ": cannot be opened for reading");
    // One read of the size the folder lists; whatever the file holds beyond it is read after.
    std::string bytes(static_cast<std::size_t>(entry.file_size()), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in) bytes.append(std::istreambuf_iterator<char>(in), {});
    Put(entry.path(), std::move(bytes));
  }
}

const std::string* InMemoryFiles::Find(const std::filesystem::path& path) const {
  const auto it = files_.find(path.lexically_normal());
  return it == files_.end() ? nullptr : &it->second;
}

}  // namespace pelvaron
