#include "addin/dialog_keys.hpp"

#include <utility>

#include "addin/form_window_class.hpp"

namespace pelvaron::addin {
namespace {

HHOOK g_keyboardHook = nullptr;
int g_loadedForms = 0;

LRESULT CALLBACK DialogKeysHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && msg->hwnd) {
      HWND root = GetAncestor(msg->hwnd, GA_ROOT);
      if (IsFormWindow(root) && IsDialogMessageW(root, msg)) msg->message = WM_NULL;
    }
  }
  return CallNextHookEx(g_keyboardHook, code, wParam, lParam);
}

}  // namespace

void AttachDialogKeys() {
  if (g_loadedForms++ == 0)
    g_keyboardHook = SetWindowsHookExW(WH_GETMESSAGE, DialogKeysHook, nullptr, GetCurrentThreadId());
}

void DetachDialogKeys() {
  if (--g_loadedForms == 0 && g_keyboardHook) UnhookWindowsHookEx(std::exchange(g_keyboardHook, nullptr));
}

}  // namespace pelvaron::addin
