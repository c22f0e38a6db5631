#pragma once
// No command writes over what it reads: an output that is the same file as an input (hard
// and symbolic links included: files are compared by device and inode, not by name) or that
// lies in a folder read from is refused before anything is read or written.

#include <filesystem>
#include <string>
#include <vector>

namespace pelvaron::cli {

struct ReadSet {
  std::vector<std::filesystem::path> files;    // read, or possibly read
  std::vector<std::filesystem::path> folders;  // nothing may be written in them, or over them
};

// The DataQuran folder below `appFolder` and every data file in it.
ReadSet DataQuranReads(const std::filesystem::path& appFolder);

// The names of the data files in a DataQuran folder.
std::vector<std::string> DataFileNames();

// Throws a usage error (exit 2) naming the output and the input it would overwrite.
// Standard output ("-" or empty) is never refused.
void RefuseOutputsOverInputs(const std::vector<std::filesystem::path>& outputs, const ReadSet& reads);

}  // namespace pelvaron::cli
