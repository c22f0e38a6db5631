#include "tests/wine/host/dialog_driver.hpp"

namespace pelvaron::wine_host {
namespace {

struct FindData {
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindByCaption(HWND window, LPARAM param) {
  auto* data = reinterpret_cast<FindData*>(param);
  if (IsWindowVisible(window) && TextOf(window) == data->caption) {
    data->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  const int n = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  GetWindowTextW(window, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

HWND FindOwnWindow(const std::wstring& caption) {
  FindData data{caption};
  EnumThreadWindows(GetCurrentThreadId(), FindByCaption, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
bool HasOwner(HWND window) { return GetWindow(window, GW_OWNER) != nullptr; }

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> out;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
  return out;
}

void PickEntry(HWND combo, int index) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

void TypeInto(HWND combo, const std::wstring& text) { SetWindowTextW(combo, text.c_str()); }

void ClickAt(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void PressEnterIn(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(combo, &info) || !info.hwndItem) return;
  // Queued, not sent: the add-in sees keys only where Word's loop takes them off the queue.
  PostMessageW(info.hwndItem, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageW(info.hwndItem, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
  PumpMessages();
}

void DoubleClickEntry(HWND combo, int index) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  RECT item{};
  if (!GetComboBoxInfo(combo, &info) || !info.hwndList ||
      SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item)) == LB_ERR)
    return;
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(info.hwndList, WM_LBUTTONUP, 0, at);
  SendMessageW(info.hwndList, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(info.hwndList, WM_LBUTTONUP, 0, at);
  PumpMessages();
}

BOOL CALLBACK MessageBoxWatcher::AnswerMessageBox(HWND window, LPARAM param) {
  auto* self = reinterpret_cast<MessageBoxWatcher*>(param);
  if (ClassOf(window) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  wchar_t text[512] = {};
  GetDlgItemTextW(window, 0xFFFF, text, 512);  // the box's message
  EnterCriticalSection(&self->lock_);
  self->seen_.push_back(TextOf(window) + L"|" + text);
  LeaveCriticalSection(&self->lock_);
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  // Gone before looking again, or it would be seen twice; a box that never closes ends the wait.
  for (int i = 0; i < 500 && IsWindow(window) && IsWindowVisible(window); ++i) Sleep(10);
  return TRUE;
}

MessageBoxWatcher::MessageBoxWatcher() : thread_(GetCurrentThreadId()) {
  InitializeCriticalSection(&lock_);
  watcher_ = std::thread([this] {
    while (!stop_) {
      EnumThreadWindows(thread_, AnswerMessageBox, reinterpret_cast<LPARAM>(this));
      Sleep(20);
    }
  });
}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  watcher_.join();
  DeleteCriticalSection(&lock_);
}

std::vector<std::wstring> MessageBoxWatcher::Seen() const {
  EnterCriticalSection(&lock_);
  std::vector<std::wstring> copy = seen_;
  LeaveCriticalSection(&lock_);
  return copy;
}

}  // namespace pelvaron::wine_host
