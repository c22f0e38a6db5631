#pragma once
// Temporary files that an interruption must not leave behind: SIGINT, SIGTERM, SIGHUP and
// SIGXFSZ unlink every registered file, then end the process as the signal would have.
// A signal the process ignored when the first file was registered stays ignored.

#include <signal.h>

#include <string>

namespace pelvaron::files {

// Blocks those signals while alive, so that creating or renaming a file and registering or
// releasing it happen as one step for the handler.
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t saved_;
};

// Returns the slot to pass to ReleaseTempFile; an error when the path is too long or too
// many files are registered at once.
int RegisterTempFile(const std::string& path);
void ReleaseTempFile(int slot);

}  // namespace pelvaron::files
