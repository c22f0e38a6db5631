#pragma once
// A data folder in a temporary directory, the module state loaded from it, and a trace sink
// whose lines the tests compare.

#include <sstream>
#include <string>
#include <vector>

#include "data/surah_index.hpp"
#include "insert/trace_sink.hpp"
#include "module/state.hpp"
#include "tests/support/data_writer.hpp"
#include "tests/support/temp_dir.hpp"

namespace pelvaron::testing {

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct DataFixture {
  TempDir temp;
  DataFolder folder{temp.path()};
  ModuleState state;
  std::ostringstream traceText;
  TraceSink trace{traceText};

  // Loads the surah index as a connection does and sets AppPath.
  void Load() { LoadModuleState(state, temp.path()); }
  std::vector<std::string> Trace() const { return SplitLines(traceText.str()); }
};

}  // namespace pelvaron::testing
