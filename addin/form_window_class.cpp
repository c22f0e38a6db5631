#include "addin/form_window_class.hpp"

#include "addin/module_lock.hpp"
#include "addin/resource_ids.h"
#include "module/error.hpp"

namespace pelvaron::addin {
namespace {

constexpr const wchar_t* kFormClass = L"PelvaronForm";

}  // namespace

HINSTANCE AddInInstance() { return static_cast<HINSTANCE>(ModuleHandle()); }
const wchar_t* FormClassName() { return kFormClass; }

void RegisterFormClass(WNDPROC proc) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(AddInInstance(), kFormClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = proc;
  wc.hInstance = AddInInstance();
  wc.hCursor = nullptr;  // chosen per point in WM_SETCURSOR
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kFormClass;
  if (!RegisterClassExW(&wc)) throw Error(ErrorKind::HostCall, "cannot register the forms' window class");
}

void UnregisterFormClass() { UnregisterClassW(kFormClass, AddInInstance()); }

bool IsFormWindow(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return lstrcmpW(name, kFormClass) == 0;
}

HCURSOR HandCursor() {
  static HCURSOR hand = LoadCursorW(AddInInstance(), MAKEINTRESOURCEW(IDC_HAND_POINTER));
  return hand;
}

}  // namespace pelvaron::addin
