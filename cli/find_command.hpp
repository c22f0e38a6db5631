#pragma once

#include <CLI/CLI.hpp>

namespace pelvaron::cli {

// `pelvaron find`: verses by reference, name, Arabic or translation words.
void AddFindCommand(CLI::App& app);

}  // namespace pelvaron::cli
