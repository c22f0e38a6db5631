#include "tests/wine/host/add_in_loader.hpp"

#include "registration_names.hpp"  // generated in the add-in's build folder
#include "tests/wine/host/word_model.hpp"

namespace pelvaron::wine_host {

using addin::IID_IDTExtensibility2;
using addin::kProgId;

namespace {

std::string Narrowed(const std::wstring& text) { return Utf8(text.data(), text.size()); }

std::wstring ReadUserClassesValue(const std::wstring& key) {
  wchar_t value[MAX_PATH] = {};
  DWORD size = sizeof value;
  const std::wstring path = L"Software\\Classes\\" + key;
  if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS)
    return L"";
  return value;
}

// Wine does not merge HKCU\Software\Classes into HKCR, so the lookup Windows' COM makes for
// a per-user registration is made here: ProgID, class, the library it names, its factory.
ComPtr<IDTExtensibility2> LoadPerUserAddIn(Checks& check, const std::wstring& folder) {
  ComPtr<IDTExtensibility2> addIn;
  const std::wstring clsidText = ReadUserClassesValue(std::wstring(kProgId) + L"\\CLSID");
  const std::wstring path = ReadUserClassesValue(L"CLSID\\" + clsidText + L"\\InprocServer32");
  if (!check(!path.empty() && path.find(folder) != std::wstring::npos,
             "the user's registration names the add-in in " + Narrowed(folder) + ": " + Narrowed(path)))
    return addIn;
  CLSID clsid;
  HMODULE dll = LoadLibraryW(path.c_str());
  auto getClassObject = dll ? reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
                                  reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")))
                            : nullptr;
  ComPtr<IClassFactory> factory;
  if (!getClassObject || FAILED(CLSIDFromString(clsidText.c_str(), &clsid)) ||
      FAILED(getClassObject(clsid, IID_IClassFactory, factory.put_void())))
    return addIn;
  factory->CreateInstance(nullptr, IID_IDTExtensibility2, addIn.put_void());
  return addIn;
}

}  // namespace

ComPtr<IDTExtensibility2> LoadAddIn(Checks& check, const std::wstring& perUserFolder) {
  if (!perUserFolder.empty()) return LoadPerUserAddIn(check, perUserFolder);
  CLSID clsid;
  ComPtr<IDTExtensibility2> addIn;
  if (FAILED(CLSIDFromProgID(kProgId, &clsid))) return addIn;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDTExtensibility2, addIn.put_void());
  return addIn;
}

HRESULT Connect(IDTExtensibility2* addIn, addin::ext_ConnectMode mode) {
  ComPtr<IDispatch> addInInst = MakeAddInObject(kProgId);
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  // Word passes its Application object; the add-in must take Word's from Global instead.
  ComPtr<IDispatch> application = MakeAddInObject(L"not the application");
  const HRESULT hr = addIn->OnConnection(application.get(), mode, addInInst.get(), &custom);
  SafeArrayDestroy(custom);
  return hr;
}

HRESULT Disconnect(IDTExtensibility2* addIn, addin::ext_DisconnectMode mode) {
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  const HRESULT hr = addIn->OnDisconnection(mode, &custom);
  SafeArrayDestroy(custom);
  return hr;
}

HRESULT BeginShutdown(IDTExtensibility2* addIn) {
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  const HRESULT hr = addIn->OnBeginShutdown(&custom);
  SafeArrayDestroy(custom);
  return hr;
}

}  // namespace pelvaron::wine_host
