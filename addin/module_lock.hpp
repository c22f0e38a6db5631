#pragma once
// Counts the library's live objects and server locks, for DllCanUnloadNow.

namespace pelvaron::addin {

void AddModuleRef() noexcept;
void ReleaseModuleRef() noexcept;
bool ModuleInUse() noexcept;

// The library's own handle, set by DllMain.
void SetModuleHandle(void* module) noexcept;
void* ModuleHandle() noexcept;

}  // namespace pelvaron::addin
