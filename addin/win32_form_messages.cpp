// The window procedure of a form: painting, the mouse, commands from its child windows.
#include "addin/win32_form.hpp"

#include <utility>

#include "addin/com_error.hpp"
#include "addin/form_window_class.hpp"
#include "addin/wide_text.hpp"
#include "addin/win32_controls.hpp"

namespace pelvaron::addin {
namespace {

POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

const forms::ControlLayout* Win32Form::WindowlessAt(POINT point) const {
  for (auto c = layout_.controls.rbegin(); c != layout_.controls.rend(); ++c) {
    if (!Windowless(*c)) continue;
    const RECT r = PixelRect(*c);
    if (PtInRect(&r, point)) return &*c;
  }
  return nullptr;
}

std::optional<std::string> Win32Form::ClickTargetAt(POINT point) const {
  RECT client;
  GetClientRect(window_, &client);
  if (!PtInRect(&client, point) || ChildWindowFromPointEx(window_, point, CWP_SKIPINVISIBLE) != window_)
    return std::nullopt;
  const forms::ControlLayout* c = WindowlessAt(point);
  return c && c->kind == forms::ControlKind::Label ? c->name : std::string();
}

void Win32Form::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, background_);
  SetBkMode(dc, TRANSPARENT);
  for (const auto& c : layout_.controls) {
    if (c.kind == forms::ControlKind::Shape)
      PaintShape(dc, c);
    else if (c.kind == forms::ControlKind::Label)
      PaintLabel(dc, c);
  }
  EndPaint(window_, &ps);
}

void Win32Form::PaintShape(HDC dc, const forms::ControlLayout& c) const {
  const RECT r = PixelRect(c);
  HPEN pen = CreatePen(PS_SOLID, 1, c.foreColor ? Colour(*c.foreColor) : RGB(128, 128, 128));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  SelectObject(dc, oldBrush);
  DeleteObject(SelectObject(dc, oldPen));
}

void Win32Form::PaintLabel(HDC dc, const forms::ControlLayout& c) const {
  RECT box = PixelRect(c);
  if (!c.transparent) FillRect(dc, &box, background_);
  HGDIOBJ old = SelectObject(dc, labelFonts_.at(c.name));
  SetTextColor(dc, c.foreColor ? Colour(*c.foreColor) : GetSysColor(COLOR_BTNTEXT));
  UINT align = c.alignment == forms::Alignment::Centre  ? DT_CENTER
               : c.alignment == forms::Alignment::Right ? DT_RIGHT
                                                        : DT_LEFT;
  const std::wstring text = Widen(Find(c.name).AsLabel()->Caption());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, align | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form || form->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
  // Nothing escapes into the host's message loop: a failing handler is reported here.
  try {
    return form->Handle(message, wParam, lParam);
  } catch (...) {
    const std::wstring text = MessageFromCaught();
    MessageBoxW(nullptr, text.c_str(), L"Pelvaron", MB_OK | MB_ICONERROR | MB_TOPMOST);
    return 0;
  }
}

LRESULT Win32Form::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = window_;  // a handler that unloads the form clears window_
  const std::optional<LRESULT> handled = Dispatch(message, wParam, lParam);
  return handled ? *handled : DefWindowProcW(window, message, wParam, lParam);
}

std::optional<LRESULT> Win32Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole client area
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ControlBackground(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
      return SetCursorOver(reinterpret_cast<HWND>(wParam), LOWORD(lParam));
    case WM_LBUTTONDOWN:
      return ButtonDown(PointOf(lParam));
    case WM_LBUTTONUP:
      return ButtonUp(PointOf(lParam));
    case WM_CAPTURECHANGED:
      pressed_.reset();
      return 0;
    case WM_COMMAND:
      return Command(LOWORD(wParam), HIWORD(wParam));
    case WM_ACTIVATE:
      return Activate(LOWORD(wParam));
    case WM_SETFOCUS:
      return RestoreFocus();
    case kEnterInComboMessage:
      return EnterInCombo(reinterpret_cast<HWND>(lParam));
    case kDoubleClickMessage:
      return ComboDoubleClicked(static_cast<std::size_t>(lParam));
    case WM_CLOSE:
      Unload();  // the window's own close: discarded like any unload, no event
      return 0;
    default:
      return std::nullopt;
  }
}

LRESULT Win32Form::ControlBackground(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(background_);
}

std::optional<LRESULT> Win32Form::SetCursorOver(HWND target, WORD hitTest) {
  if (hitTest != HTCLIENT || target != window_) return std::nullopt;
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(window_, &p);
  const forms::ControlLayout* c = WindowlessAt(p);
  SetCursor(c && c->pointer == forms::Pointer::Hand ? HandCursor() : LoadCursorW(nullptr, IDC_ARROW));
  return TRUE;
}

// As with any Windows control, a click is a press and a release on the same target: the
// capture brings the release here wherever it happens.
std::optional<LRESULT> Win32Form::ButtonDown(POINT point) {
  pressed_ = ClickTargetAt(point);
  if (pressed_) SetCapture(window_);
  return std::nullopt;
}

LRESULT Win32Form::ButtonUp(POINT point) {
  const std::optional<std::string> pressed = std::exchange(pressed_, std::nullopt);
  if (GetCapture() == window_) ReleaseCapture();
  const std::optional<std::string> released = ClickTargetAt(point);
  if (pressed && pressed == released) Click(*released);
  return 0;
}

std::optional<LRESULT> Win32Form::Command(WORD id, WORD code) {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(layout_.controls.size())) return std::nullopt;
  const forms::ControlLayout& c = layout_.controls[static_cast<std::size_t>(index)];
  if (c.kind == forms::ControlKind::ComboBox && code == CBN_SELCHANGE) {
    if (auto* combo = dynamic_cast<Win32Combo*>(Find(c.name).AsCombo())) combo->OnSelectionChanged();
    return 0;
  }
  // The first click of the pair has already reported the selection. The list's own
  // handler is still running: the form runs the event (which may unload it) afterwards.
  if (c.kind == forms::ControlKind::ComboBox && code == CBN_DBLCLK) {
    PostMessageW(window_, kDoubleClickMessage, 0, index);
    return 0;
  }
  if (c.kind == forms::ControlKind::Button && code == BN_CLICKED) {
    Click(c.name);
    return 0;
  }
  return std::nullopt;
}

// As a dialog does: the focus goes back to the control that had it, at first to the first
// tab stop.
LRESULT Win32Form::Activate(WORD state) {
  if (state != WA_INACTIVE) return RestoreFocus();
  HWND focus = GetFocus();
  lastFocus_ = focus && IsChild(window_, focus) ? focus : nullptr;
  return 0;
}

LRESULT Win32Form::RestoreFocus() {
  HWND target = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(window_, nullptr, FALSE);
  if (target) SetFocus(target);
  return 0;
}

// Posted by the keyboard hook: the handler runs from the message loop, not inside the hook.
LRESULT Win32Form::EnterInCombo(HWND combo) {
  const int index = GetDlgCtrlID(combo) - kFirstControlId;
  if (index >= 0 && index < static_cast<int>(layout_.controls.size()) &&
      layout_.controls[static_cast<std::size_t>(index)].kind == forms::ControlKind::ComboBox)
    EnterPressed(layout_.controls[static_cast<std::size_t>(index)].name);
  return 0;
}

LRESULT Win32Form::ComboDoubleClicked(std::size_t index) {
  if (index < layout_.controls.size() && layout_.controls[index].kind == forms::ControlKind::ComboBox &&
      Find(layout_.controls[index].name).AsCombo()->ListIndex() >= 0)
    DoubleClick(layout_.controls[index].name);
  return 0;
}

}  // namespace pelvaron::addin
