#pragma once
// The notes file given to `pelvaron pack --notes`: one note a line, its number (1 to
// kMaxNoteNumber), a tab and its UTF-8 text; blank lines are skipped.

#include <filesystem>
#include <map>
#include <string>

namespace pelvaron::pack {

// Note number to its text. A malformed line, a number out of range or one given twice is
// an error naming the file and line.
std::map<int, std::string> ReadNotesFile(const std::filesystem::path& path);

}  // namespace pelvaron::pack
