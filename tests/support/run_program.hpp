#pragma once
// Runs a program with arguments and collects its exit status, standard output and error.

#include <string>
#include <vector>

namespace pelvaron::testing {

struct ProgramResult {
  int status = -1;
  std::string out;
  std::string err;
};

// The program runs without a shell; standard input is `input`.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = "");

// The blank-separated words of `text`, for argument lists that hold no paths.
std::vector<std::string> Words(const std::string& text);

}  // namespace pelvaron::testing
