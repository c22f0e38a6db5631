#pragma once

#include <CLI/CLI.hpp>

namespace pelvaron::cli {

// `pelvaron latin ARABIC...`: the Latin reading of vowelled Arabic, the words as one verse.
void AddLatinCommand(CLI::App& app);

}  // namespace pelvaron::cli
