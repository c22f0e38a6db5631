#include "pack/pack_folder_writer.hpp"

#include <fstream>

#include "data/format.hpp"
#include "module/error.hpp"

namespace pelvaron::pack {
namespace {

std::string WithExtension(std::string_view name, std::string_view extension) {
  std::string file(name);
  file += extension;
  return file;
}

}  // namespace

void PackFolderWriter::Write(const std::string& name, const std::string& bytes) {
  const std::filesystem::path target = dir_ / name;
  const std::filesystem::path part = dir_ / WithExtension(name, ".part");
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) throw Error(ErrorKind::File, part.string() + ": cannot be written");
  }
  std::error_code ec;
  std::filesystem::rename(part, target, ec);
  if (ec) throw Error(ErrorKind::File, target.string() + ": cannot be replaced: " + ec.message());
  written_.emplace_back(name, bytes.size());
}

void PackFolderWriter::Remove(const std::string& name) {
  std::error_code ec;
  std::filesystem::remove(dir_ / name, ec);
  if (ec) throw Error(ErrorKind::File, (dir_ / name).string() + ": cannot be removed: " + ec.message());
}

void PackFolderWriter::WritePair(std::string_view name, const IndexedPairBytes& pair) {
  Write(WithExtension(name, kIndexExtension), pair.index);
  Write(WithExtension(name, kDataExtension), pair.data);
}

}  // namespace pelvaron::pack
