#pragma once
// Runs a program with arguments and collects its exit status, standard output and error.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelvaron::testing {

struct ProgramResult {
  int status = -1;
  std::string out;
  std::string err;
};

struct RunOptions {
  std::string input;  // standard input
  // RLIMIT_FSIZE in bytes, with SIGXFSZ ignored: a write past it fails (EFBIG) as on a full disk.
  std::optional<unsigned long> fileSizeLimit;
  // Called with the program's process id while it runs, to interrupt it say.
  std::function<void(pid_t)> whileRunning;
};

// The program runs without a shell, with SIGINT, SIGTERM and SIGHUP at their defaults; a
// program ended by a signal has status 128 + the signal.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const RunOptions& options);
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = "");

// The blank-separated words of `text`, for argument lists that hold no paths.
std::vector<std::string> Words(const std::string& text);

}  // namespace pelvaron::testing
