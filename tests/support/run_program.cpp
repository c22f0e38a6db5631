#include "tests/support/run_program.hpp"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/support/temp_dir.hpp"

namespace pelvaron::testing {
namespace {

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& input) {
  TempDir temp;
  const auto in = temp.path() / "in", out = temp.path() / "out", err = temp.path() / "err";
  std::ofstream(in, std::ios::binary) << input;
  std::string command = Quote(program);
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on " " + temporary.
  const auto add = [&command](const char* before, const std::string& arg) {
    command += before;
    command += Quote(arg);
  };
  for (const auto& arg : args) add(" ", arg);
  add(" <", in.string());
  add(" >", out.string());
  add(" 2>", err.string());
  const int raw = std::system(command.c_str());
  if (raw == -1) throw std::runtime_error("cannot run " + program);
  ProgramResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  result.out = Slurp(out);
  result.err = Slurp(err);
  return result;
}

}  // namespace pelvaron::testing
