#include "tests/support/run_program.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "tests/support/temp_dir.hpp"

extern char** environ;

namespace pelvaron::testing {
namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), {}};
}

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& input) {
  TempDir temp;
  const auto in = temp.path() / "in", out = temp.path() / "out", err = temp.path() / "err";
  std::ofstream(in, std::ios::binary) << input;

  // The arguments go to the program as they are: no shell, so blanks and quotes in paths
  // need no escaping.
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot run " + program);

  int raw = 0;
  while (waitpid(pid, &raw, 0) == -1)
    if (errno != EINTR) throw std::runtime_error("cannot wait for " + program);
  ProgramResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  result.out = Slurp(out);
  result.err = Slurp(err);
  return result;
}

}  // namespace pelvaron::testing
