#pragma once
// Drives the add-in's windows the way a user would, through window messages, and answers
// the message boxes they open.

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "addin/windows_api.hpp"

namespace pelvaron::wine_host {

// A visible top-level window of this process with exactly this caption, or null.
HWND FindOwnWindow(const std::wstring& caption);
bool IsTopmost(HWND window);
bool HasOwner(HWND window);
// The child windows in Z-order (the tab order for the add-in's forms).
std::vector<HWND> Children(HWND parent);
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);

// Selects entry `index` and notifies the parent as a user's pick does.
void PickEntry(HWND combo, int index);
// Types `text` into the combo box's edit field.
void TypeInto(HWND combo, const std::wstring& text);
// A left click at a client point of `window` (pixels).
void ClickAt(HWND window, int x, int y);
// Dispatches what is queued for this thread until nothing is left.
void PumpMessages();
// Presses Enter in the combo box's edit field through the message queue, as the keyboard
// does, and dispatches what is queued until nothing is left.
void PressEnterIn(HWND combo);
// Double-clicks entry `index` of the combo box's open list with the mouse's messages, then
// dispatches what is queued.
void DoubleClickEntry(HWND combo, int index);

// Watches the main thread's windows for message boxes; each one's text is recorded and the
// box is closed with OK.
class MessageBoxWatcher {
 public:
  MessageBoxWatcher();
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
  std::vector<std::wstring> Seen() const;

 private:
  static BOOL CALLBACK AnswerMessageBox(HWND window, LPARAM param);
  DWORD thread_;
  std::atomic<bool> stop_{false};
  mutable CRITICAL_SECTION lock_;
  std::vector<std::wstring> seen_;
  std::thread watcher_;
};

}  // namespace pelvaron::wine_host
