#include "addin/library_path.hpp"

#include <string>

#include "addin/module_lock.hpp"
#include "addin/windows_api.hpp"
#include "module/error.hpp"

namespace pelvaron::addin {

std::filesystem::path LibraryPath() {
  const auto module = static_cast<HMODULE>(ModuleHandle());
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) throw Error(ErrorKind::File, "cannot find the add-in's own library file");
    if (n < buffer.size()) {
      buffer.resize(n);
      return std::filesystem::path(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::filesystem::path LibraryFolder() { return LibraryPath().parent_path(); }

}  // namespace pelvaron::addin
