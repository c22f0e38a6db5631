#pragma once

#include <CLI/CLI.hpp>

namespace pelvaron::cli {

// `pelvaron dialog`: the verse dialog and the About box driven by a script, on the headless
// forms runtime, writing the insertion trace and the dialogs' visible effects.
void AddDialogCommand(CLI::App& app);

}  // namespace pelvaron::cli
