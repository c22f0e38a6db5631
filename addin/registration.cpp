#include "addin/registration.hpp"

#include <exception>
#include <string>
#include <vector>

#include "addin/com_error.hpp"
#include "addin/library_path.hpp"
#include "addin/type_library.hpp"
#include "addin/wide_text.hpp"
#include "module/error.hpp"
#include "registration_names.hpp"  // generated from addin/CMakeLists.txt

// mingw-w64's oleauto.h lacks these two, its import library has them.
extern "C" {
HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* lib, OLECHAR* fullPath, OLECHAR* helpDir);
HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID libId, WORD major, WORD minor, LCID lcid, SYSKIND syskind);
}

namespace pelvaron::addin {
namespace {

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40];
  StringFromGUID2(guid, text, 40);
  return text;
}

// One value below the classes root; "{path}" stands for the library's own path.
struct ClassValue {
  std::wstring key;
  const wchar_t* name;  // null: the key's default value
  std::wstring value;
};

std::vector<ClassValue> ClassTable() {
  const std::wstring clsid = L"CLSID\\" + GuidText(CLSID_Connect);
  return {
      {clsid, nullptr, L"Connect"},
      {clsid + L"\\InprocServer32", nullptr, L"{path}"},
      {clsid + L"\\InprocServer32", L"ThreadingModel", kThreadingModel},
      {clsid + L"\\ProgID", nullptr, kProgId},
      {clsid + L"\\TypeLib", nullptr, GuidText(LIBID_Pelvaron)},
      {clsid + L"\\VERSION", nullptr, kTypeLibVersion},
      {kProgId, nullptr, L"Connect"},
      {std::wstring(kProgId) + L"\\CLSID", nullptr, GuidText(CLSID_Connect)},
  };
}

// The keys whose removal takes every value of the table with it.
std::vector<std::wstring> ClassRoots() { return {L"CLSID\\" + GuidText(CLSID_Connect), kProgId}; }

class RegKey {
 public:
  RegKey(HKEY root, const std::wstring& path) {
    const LSTATUS s = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key_, nullptr);
    if (s != ERROR_SUCCESS) throw Error(ErrorKind::HostCall, "cannot create registry key " + Narrow(path));
    path_ = path;
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() { RegCloseKey(key_); }

  void SetText(const wchar_t* name, const std::wstring& value) {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    Check(RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes), name);
  }
  void SetNumber(const wchar_t* name, DWORD value) {
    Check(RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value),
          name);
  }

 private:
  void Check(LSTATUS s, const wchar_t* name) const {
    if (s != ERROR_SUCCESS)
      throw Error(ErrorKind::HostCall, "cannot write registry value " + Narrow(path_) + "\\" +
                                           (name ? Narrow(name) : std::string("(default)")));
  }
  HKEY key_ = nullptr;
  std::wstring path_;
};

HKEY OpenClassesRoot(RegistrationScope scope) {
  if (scope == RegistrationScope::Machine) return HKEY_CLASSES_ROOT;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    throw Error(ErrorKind::HostCall, "cannot open HKEY_CURRENT_USER\\Software\\Classes");
  return key;
}

class ClassesRoot {
 public:
  explicit ClassesRoot(RegistrationScope scope) : scope_(scope), key_(OpenClassesRoot(scope)) {}
  ClassesRoot(const ClassesRoot&) = delete;
  ClassesRoot& operator=(const ClassesRoot&) = delete;
  ~ClassesRoot() {
    if (scope_ == RegistrationScope::User) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }

 private:
  RegistrationScope scope_;
  HKEY key_;
};

void DeleteTree(HKEY root, const std::wstring& path) {
  const LSTATUS s = RegDeleteTreeW(root, path.c_str());
  if (s != ERROR_SUCCESS && s != ERROR_FILE_NOT_FOUND)
    throw Error(ErrorKind::HostCall, "cannot remove registry key " + Narrow(path));
}

SYSKIND OwnSysKind() { return sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32; }

}  // namespace

void RegisterAddIn(RegistrationScope scope) {
  const std::wstring path = LibraryPath().wstring();
  {
    ClassesRoot root(scope);
    for (const ClassValue& entry : ClassTable()) {
      RegKey key(root.get(), entry.key);
      key.SetText(entry.name, entry.value == L"{path}" ? path : entry.value);
    }
  }
  ComPtr<ITypeLib> lib = AddInTypeLib();
  std::wstring fullPath = path;
  CheckHr(scope == RegistrationScope::Machine ? RegisterTypeLib(lib.get(), fullPath.data(), nullptr)
                                              : RegisterTypeLibForUser(lib.get(), fullPath.data(), nullptr),
          "registering the type library");

  RegKey word(HKEY_CURRENT_USER, kWordAddInKey);
  word.SetText(L"FriendlyName", kFriendlyName);
  word.SetText(L"Description", kDescription);
  word.SetNumber(L"LoadBehavior", kLoadBehavior);
}

void UnregisterAddIn(RegistrationScope scope) {
  // Every step runs even when one fails, so a half-registered add-in can still be removed;
  // the first failure is reported afterwards.
  std::exception_ptr first;
  const auto step = [&first](const auto& action) {
    try {
      action();
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  };
  step([] { DeleteTree(HKEY_CURRENT_USER, kWordAddInKey); });
  step([scope] {
    const HRESULT hr =
        scope == RegistrationScope::Machine
            ? UnRegisterTypeLib(LIBID_Pelvaron, kTypeLibMajor, kTypeLibMinor, LOCALE_NEUTRAL, OwnSysKind())
            : UnRegisterTypeLibForUser(LIBID_Pelvaron, kTypeLibMajor, kTypeLibMinor, LOCALE_NEUTRAL,
                                       OwnSysKind());
    // Not registered (any more) is no failure: Windows says so with TYPE_E_*, Wine with E_INVALIDARG.
    if (FAILED(hr) && hr != TYPE_E_REGISTRYACCESS && hr != TYPE_E_LIBNOTREGISTERED && hr != E_INVALIDARG)
      CheckHr(hr, "removing the type library's registration");
  });
  step([scope] {
    ClassesRoot root(scope);
    for (const std::wstring& key : ClassRoots()) DeleteTree(root.get(), key);
  });
  if (first) std::rethrow_exception(first);
}

}  // namespace pelvaron::addin
