#pragma once

#include <CLI/CLI.hpp>

namespace pelvaron::cli {

// `pelvaron pack`: a DataQuran folder from the quran-json package.
void AddPackCommand(CLI::App& app);

}  // namespace pelvaron::cli
