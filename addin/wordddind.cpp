#include "addin/wordddind.hpp"

#include <atomic>

#include "addin/module_lock.hpp"
#include "addin/win32_forms.hpp"
#include "addin/windows_api.hpp"
#include "addin/word_session.hpp"
#include "forms/forms_app.hpp"
#include "module/error.hpp"

namespace pelvaron::addin {
namespace {

std::atomic<long> g_moduleRefs{0};
HMODULE g_module = nullptr;
std::shared_ptr<WordSession> g_word;

}  // namespace

void AddModuleRef() noexcept { ++g_moduleRefs; }
void ReleaseModuleRef() noexcept { --g_moduleRefs; }
bool ModuleInUse() noexcept { return g_moduleRefs.load() != 0; }
void SetModuleHandle(void* module) noexcept { g_module = static_cast<HMODULE>(module); }
void* ModuleHandle() noexcept { return g_module; }

ModuleState& Module() {
  static ModuleState state;
  return state;
}

forms::FormsApp& Forms() {
  static Win32FormsRuntime runtime;
  static forms::FormsApp app(Module(), runtime);
  return app;
}

WordSession* Word() { return g_word.get(); }

void SetWord(std::shared_ptr<WordSession> session) {
  g_word = session;
  Module().Document = std::move(session);
}

std::filesystem::path LibraryPath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(g_module, buffer.data(), static_cast<DWORD>(buffer.size()));
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
