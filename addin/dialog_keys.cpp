#include "addin/dialog_keys.hpp"

#include <utility>

#include "addin/form_window_class.hpp"

namespace pelvaron::addin {
namespace {

HHOOK g_keyboardHook = nullptr;
int g_loadedForms = 0;

// The combo box of `root` whose edit field `window` is, with its list not dropped down (Enter
// then only closes the list); null for any other window.
HWND ComboOfEdit(HWND window, HWND root) {
  HWND combo = GetParent(window);
  wchar_t cls[16] = {};
  if (!combo || GetParent(combo) != root || !GetClassNameW(combo, cls, 16) ||
      lstrcmpiW(cls, L"ComboBox") != 0)
    return nullptr;
  return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) ? nullptr : combo;
}

LRESULT CALLBACK DialogKeysHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && msg->hwnd) {
      HWND root = GetAncestor(msg->hwnd, GA_ROOT);
      if (IsFormWindow(root)) {
        HWND combo =
            msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN ? ComboOfEdit(msg->hwnd, root) : nullptr;
        if (combo) {
          // Enter in a combo box is the form's (a search, say), not a default button's; the
          // form runs it from its own message, outside this hook.
          PostMessageW(root, kEnterInComboMessage, 0, reinterpret_cast<LPARAM>(combo));
          msg->message = WM_NULL;
        } else if (IsDialogMessageW(root, msg)) {
          msg->message = WM_NULL;
        }
      }
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
