#include "addin/win32_controls.hpp"

#include "addin/wide_text.hpp"
#include "addin/win32_form.hpp"
#include "module/error.hpp"

namespace pelvaron::addin {
namespace {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int n = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
  return Narrow(text);
}

}  // namespace

void Win32Combo::Clear() {
  SendMessageW(window_, CB_RESETCONTENT, 0, 0);
  SetWindowTextW(window_, L"");
}

void Win32Combo::AddItem(const std::string& text) {
  const LRESULT r = SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
  if (r == CB_ERR || r == CB_ERRSPACE)
    throw Error(ErrorKind::HostCall, name_ + ": cannot add \"" + text + "\"");
}

int Win32Combo::ListCount() const { return static_cast<int>(SendMessageW(window_, CB_GETCOUNT, 0, 0)); }

std::string Win32Combo::List(int index) const {
  if (index < 0 || index >= ListCount())
    throw Error(ErrorKind::Index, name_ + ": entry " + std::to_string(index) + " is outside the list");
  const auto length = SendMessageW(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(window_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Narrow(text);
}

int Win32Combo::ListIndex() const {
  // The list keeps its highlight while the user types a text of their own.
  const int index = static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
  if (index < 0 || List(index) != Text()) return -1;
  return index;
}

void Win32Combo::SetListIndex(int index) {
  if (index < -1 || index >= ListCount())
    throw Error(ErrorKind::Index, name_ + ": entry " + std::to_string(index) + " is outside the list");
  if (index == -1) {
    const std::string text = Text();  // selecting nothing leaves the text
    SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(window_, Widen(text).c_str());
  } else {
    SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  form_.Click(name_);
}

std::string Win32Combo::Text() const { return WindowText(window_); }

void Win32Combo::SetText(const std::string& text) {
  int match = -1;
  for (int i = 0, n = ListCount(); i < n && match < 0; ++i)
    if (List(i) == text) match = i;  // exact, unlike CB_FINDSTRINGEXACT
  SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(match), 0);
  if (match < 0) SetWindowTextW(window_, Widen(text).c_str());
}

void Win32Combo::OnSelectionChanged() {
  const auto index = SendMessageW(window_, CB_GETCURSEL, 0, 0);
  if (index >= 0) SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  form_.Click(name_);
}

int Win32Check::Value() const { return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void Win32Check::SetValue(int value) {
  if (value != 0 && value != 1)
    throw Error(ErrorKind::Input, name_ + ": value " + std::to_string(value) + " is neither 0 nor 1");
  SendMessageW(window_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Label::SetCaption(const std::string& text) {
  caption_ = text;
  form_.Repaint();
}

}  // namespace pelvaron::addin
