#include "addin/module_lock.hpp"

#include <atomic>

namespace pelvaron::addin {
namespace {

std::atomic<long> g_moduleRefs{0};
void* g_module = nullptr;

}  // namespace

void AddModuleRef() noexcept { ++g_moduleRefs; }
void ReleaseModuleRef() noexcept { --g_moduleRefs; }
bool ModuleInUse() noexcept { return g_moduleRefs.load() != 0; }
void SetModuleHandle(void* module) noexcept { g_module = module; }
void* ModuleHandle() noexcept { return g_module; }

}  // namespace pelvaron::addin
