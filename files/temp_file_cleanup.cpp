#include "files/temp_file_cleanup.hpp"

#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>

#include "module/error.hpp"

namespace pelvaron::files {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};
constexpr int kSlots = 16;  // a whole DataQuran folder at once

// Written only with the signals blocked; the handler reads them.
char gPaths[kSlots][PATH_MAX];
volatile sig_atomic_t gUsed[kSlots];

// Only async-signal-safe calls: unlink, sigaction, raise.
void RemoveAndRaise(int signal) {
  const int savedErrno = errno;
  for (int i = 0; i < kSlots; ++i)
    if (gUsed[i]) unlink(gPaths[i]);
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  raise(signal);  // delivered when the handler returns and the signal is unblocked
  errno = savedErrno;
}

void InstallHandlers() {
  for (int signal : kSignals) {
    struct sigaction old {};
    if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = RemoveAndRaise;
    sigemptyset(&action.sa_mask);
    for (int other : kSignals) sigaddset(&action.sa_mask, other);
    sigaction(signal, &action, nullptr);
  }
}

sigset_t HeldSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : kSignals) sigaddset(&set, signal);
  return set;
}

}  // namespace

SignalsHeld::SignalsHeld() {
  const sigset_t held = HeldSignals();
  pthread_sigmask(SIG_BLOCK, &held, &saved_);
}

SignalsHeld::~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }

int RegisterTempFile(const std::string& path) {
  static std::once_flag installed;
  std::call_once(installed, InstallHandlers);
  if (path.size() >= PATH_MAX) throw Error(ErrorKind::File, path + ": the path is too long");
  SignalsHeld held;
  for (int i = 0; i < kSlots; ++i) {
    if (gUsed[i]) continue;
    std::memcpy(gPaths[i], path.c_str(), path.size() + 1);
    gUsed[i] = 1;
    return i;
  }
  throw Error(ErrorKind::File, path + ": more than " + std::to_string(kSlots) + " temporary files at once");
}

void ReleaseTempFile(int slot) {
  SignalsHeld held;
  gUsed[slot] = 0;
}

}  // namespace pelvaron::files
