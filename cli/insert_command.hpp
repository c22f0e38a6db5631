#pragma once

#include <CLI/CLI.hpp>

namespace pelvaron::cli {

// `pelvaron insert`: one verse range of one surah into a document.
void AddInsertCommand(CLI::App& app);

}  // namespace pelvaron::cli
