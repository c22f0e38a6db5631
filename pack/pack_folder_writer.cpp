#include "pack/pack_folder_writer.hpp"

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
  files_.push_back(std::make_unique<files::ReplacingFile>(dir_ / name));
  files_.back()->stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  written_.emplace_back(name, bytes.size());
}

void PackFolderWriter::Remove(const std::string& name) { removed_.push_back(name); }

void PackFolderWriter::Commit() {
  files::ReplacingFile::CommitTogether(files_);
  for (const std::string& name : removed_) {
    std::error_code ec;
    std::filesystem::remove(dir_ / name, ec);
    if (ec) throw Error(ErrorKind::File, (dir_ / name).string() + ": cannot be removed: " + ec.message());
  }
}

void PackFolderWriter::WritePair(std::string_view name, const IndexedPairBytes& pair) {
  Write(WithExtension(name, kIndexExtension), pair.index);
  Write(WithExtension(name, kDataExtension), pair.data);
}

}  // namespace pelvaron::pack
