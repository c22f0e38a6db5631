#pragma once
// The "search …" lines of `pelvaron dialog`: the Cari Ayat form driven from a script.

#include <string>
#include <string_view>

#include "forms/forms_app.hpp"
#include "forms/headless/headless_runtime.hpp"

namespace pelvaron::cli {

// `rest` is the line after "search": show, query TEXT (typed, then Enter), pick N, cite STYLE,
// mode MODE, insert (the Sisipkan button), close, state. A wrong line throws ScriptError.
void RunSearchLine(forms::FormsApp& app, forms::HeadlessRuntime& runtime, std::string_view rest);

// "State loaded=1 query="…" cite=qs mode=all picked=0 results=2", then one
// "Result N S:V "snippet"" line per result.
std::string SearchDialogState(forms::FormsApp& app);

}  // namespace pelvaron::cli
