#include "cli/output_guard.hpp"

#include <sys/stat.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <optional>

#include "cli/document_output.hpp"
#include "data/format.hpp"
#include "data/indexed_file.hpp"
#include "module/state.hpp"

namespace pelvaron::cli {
namespace {

struct FileId {
  dev_t device;
  ino_t inode;
  bool operator==(const FileId&) const = default;
};

// Symbolic links followed; nullopt for what does not exist.
std::optional<FileId> IdOf(const std::filesystem::path& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileId{info.st_dev, info.st_ino};
}

[[noreturn]] void Refuse(const std::filesystem::path& output, const std::string& why) {
  throw CLI::ValidationError("refusing to write " + output.string() + ": " + why);
}

// The output's real location (links and ".." resolved as far as the path exists), then
// every folder above it.
std::vector<FileId> ItselfAndFoldersAbove(const std::filesystem::path& output) {
  std::error_code ec;
  std::filesystem::path path = std::filesystem::weakly_canonical(std::filesystem::absolute(output), ec);
  if (ec) path = std::filesystem::absolute(output).lexically_normal();
  std::vector<FileId> ids;
  for (;; path = path.parent_path()) {
    if (const auto id = IdOf(path)) ids.push_back(*id);
    if (path == path.parent_path()) break;
  }
  return ids;
}

}  // namespace

std::vector<std::string> DataFileNames() {
  std::vector<std::string> names;
  for (std::string_view name : {kSurahIndexFile, kVersePositionsFile, kArabicTextFile, kSettingsFile,
                                kSurahNamesFile, kLatinFile, kLatinJoinedFile})
    names.emplace_back(name);
  for (IndexedPair pair : {IndexedPair::AyatPerKata, IndexedPair::NotePerKata, IndexedPair::GroupKata})
    for (std::string_view extension : {kIndexExtension, kDataExtension})
      names.push_back(std::string(PairName(pair)).append(extension));
  return names;
}

ReadSet DataQuranReads(const std::filesystem::path& appFolder) {
  ReadSet reads{{}, {appFolder / kDataFolderName}};
  for (const std::string& name : DataFileNames()) reads.files.push_back(appFolder / kDataFolderName / name);
  return reads;
}

void RefuseOutputsOverInputs(const std::vector<std::filesystem::path>& outputs, const ReadSet& reads) {
  for (const std::filesystem::path& output : outputs) {
    if (IsStandardOutput(output.string())) continue;
    const auto id = IdOf(output);
    for (const std::filesystem::path& input : reads.files)
      if (id && IdOf(input) == id) Refuse(output, "it is " + input.string() + ", which this command reads");
    const std::vector<FileId> location = ItselfAndFoldersAbove(output);
    for (const std::filesystem::path& folder : reads.folders) {
      const auto folderId = IdOf(folder);
      if (!folderId || std::find(location.begin(), location.end(), *folderId) == location.end()) continue;
      Refuse(output, (id == folderId ? "it is " : "it lies in ") + folder.string() +
                         ", a folder this command reads from");
    }
  }
}

}  // namespace pelvaron::cli
