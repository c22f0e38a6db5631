// The WebAssembly runtime starts with umask 0777, so every file a test writes would get mode
// 000 and could not be read back; a process normally starts with 022.
#include <sys/stat.h>

namespace {
[[maybe_unused]] const bool kUsualUmask = (umask(022), true);
}  // namespace
