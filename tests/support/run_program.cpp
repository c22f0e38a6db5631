#include "tests/support/run_program.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
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

// The limit and the ignored SIGXFSZ are set here for the spawn only: the child inherits both.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::optional<unsigned long> bytes) : active_(bytes.has_value()) {
    if (!active_) return;
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = *bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    savedAction_ = signal(SIGXFSZ, SIG_IGN);
  }
  ~FileSizeLimit() {
    if (!active_) return;
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, savedAction_);
  }

 private:
  bool active_;
  rlimit saved_{};
  void (*savedAction_)(int) = SIG_DFL;
};

}  // namespace

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), {}};
}

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input) {
  return RunProgram(program, args, RunOptions{input, std::nullopt, nullptr});
}

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const RunOptions& options) {
  TempDir temp;
  const auto in = temp.path() / "in", out = temp.path() / "out", err = temp.path() / "err";
  std::ofstream(in, std::ios::binary) << options.input;

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
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&defaults, signal);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  pid_t pid = 0;
  int spawned = 0;
  {
    FileSizeLimit limit(options.fileSizeLimit);
    spawned = posix_spawnp(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  }
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot run " + program);
  if (options.whileRunning) options.whileRunning(pid);

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
