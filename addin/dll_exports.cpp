// The in-process server's entry points: the class factory of Connect, self-registration
// (machine-wide, or per user through DllInstall "user") and the unload check.

#include <atomic>
#include <new>

#include "addin/com_error.hpp"
#include "addin/connect.hpp"
#include "addin/module_lock.hpp"
#include "addin/registration.hpp"
#include "addin/type_library.hpp"
#include "addin/form_window_class.hpp"

namespace pelvaron::addin {
namespace {

class ConnectFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  // One static factory; its references do not keep the library loaded, locks do.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    try {
      auto connect = ComPtr<IDTExtensibility2>::Attach(new Connect());
      return connect->QueryInterface(riid, out);
    }
    PELVARON_CATCH_RETURN
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock)
      AddModuleRef();
    else
      ReleaseModuleRef();
    return S_OK;
  }
};

ConnectFactory g_factory;

}  // namespace
}  // namespace pelvaron::addin

using namespace pelvaron::addin;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    SetModuleHandle(instance);
    DisableThreadLibraryCalls(instance);
  }
  if (reason == DLL_PROCESS_DETACH && !reserved) UnregisterFormClass();  // FreeLibrary, not process exit
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (clsid != CLSID_Connect) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(riid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return ModuleInUse() ? S_FALSE : S_OK; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  try {
    RegisterAddIn(RegistrationScope::Machine);
    return S_OK;
  }
  PELVARON_CATCH_RETURN
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  try {
    UnregisterAddIn(RegistrationScope::Machine);
    return S_OK;
  }
  PELVARON_CATCH_RETURN
}

// regsvr32 /n /i:user (and /u /n /i:user): registration without administrator rights.
extern "C" HRESULT STDAPICALLTYPE DllInstall(BOOL install, LPCWSTR commandLine) {
  try {
    const bool user = commandLine && lstrcmpiW(commandLine, L"user") == 0;
    const RegistrationScope scope = user ? RegistrationScope::User : RegistrationScope::Machine;
    if (install)
      RegisterAddIn(scope);
    else
      UnregisterAddIn(scope);
    return S_OK;
  }
  PELVARON_CATCH_RETURN
}
