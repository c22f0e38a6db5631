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

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = "");

}  // namespace pelvaron::testing
