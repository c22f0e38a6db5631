#pragma once
// The benchmarks' own argument: --app-path DIR, the folder holding the DataQuran to time.

#include <cstring>
#include <string>

namespace pelvaron::bench {

// Takes "--app-path DIR" out of the arguments, leaving Google Benchmark's flags; empty when
// it is not given.
inline std::string TakeAppPath(int& argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--app-path") == 0 && i + 1 < argc) {
      std::string appPath = argv[i + 1];
      for (int j = i; j + 2 <= argc; ++j) argv[j] = argv[j + 2];
      argc -= 2;
      return appPath;
    }
  }
  return {};
}

}  // namespace pelvaron::bench
