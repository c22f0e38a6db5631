#include "addin/win32_form.hpp"

#include <algorithm>
#include <utility>

#include "addin/com_error.hpp"
#include "addin/module_lock.hpp"
#include "addin/resource_ids.h"
#include "addin/wide_text.hpp"
#include "addin/win32_controls.hpp"
#include "addin/win32_forms.hpp"
#include "module/error.hpp"

namespace pelvaron::addin {
namespace {

constexpr const wchar_t* kFormClass = L"PelvaronForm";
constexpr int kFirstControlId = 100;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The list part of a drop-down combo box, below its edit field.
constexpr int kDropDownPixels = 160;

// VB's form font, for controls whose layout names none.
const forms::FontStyle kDefaultFont{"MS Sans Serif", 8.25f, false, false, forms::kWesternCharset};

COLORREF Colour(const forms::Rgb& rgb) { return RGB(rgb.r, rgb.g, rgb.b); }

HINSTANCE Instance() { return static_cast<HINSTANCE>(ModuleHandle()); }

void RegisterFormClass(WNDPROC proc) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(Instance(), kFormClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = proc;
  wc.hInstance = Instance();
  wc.hCursor = nullptr;  // chosen per point in WM_SETCURSOR
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kFormClass;
  if (!RegisterClassExW(&wc)) throw Error(ErrorKind::HostCall, "cannot register the forms' window class");
}

HCURSOR HandCursor() {
  static HCURSOR hand = LoadCursorW(Instance(), MAKEINTRESOURCEW(IDC_HAND_POINTER));
  return hand;
}

// Word's message loop knows nothing of our forms: this hook gives their keyboard messages
// the dialog treatment (Tab and Shift+Tab through the tab order, arrow keys, mnemonics).
HHOOK g_keyboardHook = nullptr;
int g_loadedForms = 0;

LRESULT CALLBACK DialogKeysHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && msg->hwnd) {
      HWND root = GetAncestor(msg->hwnd, GA_ROOT);
      wchar_t name[32] = {};
      GetClassNameW(root, name, 32);
      if (lstrcmpW(name, kFormClass) == 0 && IsDialogMessageW(root, msg)) msg->message = WM_NULL;
    }
  }
  return CallNextHookEx(g_keyboardHook, code, wParam, lParam);
}

// Loaded forms keep the library in memory (their window procedure lives here) and the
// keyboard hook installed.
void FormLoaded() {
  if (g_loadedForms++ == 0)
    g_keyboardHook = SetWindowsHookExW(WH_GETMESSAGE, DialogKeysHook, nullptr, GetCurrentThreadId());
  AddModuleRef();
}

void FormUnloaded() {
  if (--g_loadedForms == 0 && g_keyboardHook) UnhookWindowsHookEx(std::exchange(g_keyboardHook, nullptr));
  ReleaseModuleRef();
}

bool Windowless(const forms::ControlLayout& c) {
  return c.kind == forms::ControlKind::Label || c.kind == forms::ControlKind::Shape;
}

}  // namespace

void UnregisterFormClass() { UnregisterClassW(kFormClass, Instance()); }

Win32Form::Win32Form(const forms::FormLayout& layout, forms::FormEvents& events, Win32FormsRuntime& runtime)
    : layout_(layout), events_(events), runtime_(runtime) {}

Win32Form::~Win32Form() { Unload(); }

HFONT Win32Form::Font(const std::optional<forms::FontStyle>& style) {
  const forms::FontStyle& f = style ? *style : kDefaultFont;
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(static_cast<int>(f.points * 100.0f + 0.5f), GetDeviceCaps(screen, LOGPIXELSY), 7200);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, f.underline, FALSE,
                           static_cast<BYTE>(f.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, Widen(f.name).c_str());
  if (!font) throw Error(ErrorKind::HostCall, layout_.name + ": cannot create the font " + f.name);
  fonts_.push_back(font);
  return font;
}

RECT Win32Form::PixelRect(const forms::ControlLayout& c) const {
  const float tx = runtime_.TwipsPerPixelX(), ty = runtime_.TwipsPerPixelY();
  const int left = TwipsToPixels(c.left, tx), top = TwipsToPixels(c.top, ty);
  return RECT{left, top, left + TwipsToPixels(c.width, tx), top + TwipsToPixels(c.height, ty)};
}

void Win32Form::Load() {
  RegisterFormClass(&Win32Form::WindowProc);
  RECT outer{0, 0, TwipsToPixels(layout_.clientWidth, runtime_.TwipsPerPixelX()),
             TwipsToPixels(layout_.clientHeight, runtime_.TwipsPerPixelY())};
  AdjustWindowRectEx(&outer, kFormStyle, FALSE, 0);
  // Top-level and without owner: nothing ties the form to Word's window.
  window_ = CreateWindowExW(0, kFormClass, Widen(layout_.caption).c_str(), kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, Instance(), this);
  if (!window_) throw Error(ErrorKind::HostCall, layout_.name + ": cannot create its window");
  FormLoaded();
  background_ = CreateSolidBrush(layout_.backColor ? Colour(*layout_.backColor) : GetSysColor(COLOR_BTNFACE));

  // Child windows in tab order: the window manager's Z-order is the keyboard order.
  std::vector<const forms::ControlLayout*> ordered;
  for (const auto& c : layout_.controls) {
    if (Windowless(c)) {
      controls_.emplace(c.name, std::make_unique<Win32Label>(c.caption, *this));
      if (c.kind == forms::ControlKind::Label) labelFonts_.emplace(c.name, Font(c.font));
    } else {
      ordered.push_back(&c);
    }
  }
  std::stable_sort(ordered.begin(), ordered.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  for (const forms::ControlLayout* c : ordered) {
    const RECT r = PixelRect(*c);
    const auto id = static_cast<INT_PTR>(kFirstControlId + (c - layout_.controls.data()));
    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    int height = r.bottom - r.top;
    if (c->kind == forms::ControlKind::ComboBox) {
      cls = L"COMBOBOX";
      style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
      height += kDropDownPixels;
    } else if (c->kind == forms::ControlKind::CheckBox) {
      style |= BS_AUTOCHECKBOX;
    } else {
      style |= BS_PUSHBUTTON;
    }
    HWND child = CreateWindowExW(0, cls, Widen(c->caption).c_str(), style, r.left, r.top, r.right - r.left, height,
                                 window_, reinterpret_cast<HMENU>(id), Instance(), nullptr);
    if (!child) throw Error(ErrorKind::HostCall, layout_.name + ": cannot create " + c->name);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font(c->font)), FALSE);
    if (c->kind == forms::ControlKind::ComboBox)
      controls_.emplace(c->name, std::make_unique<Win32Combo>(child, c->name, *this));
    else if (c->kind == forms::ControlKind::CheckBox)
      controls_.emplace(c->name, std::make_unique<Win32Check>(child, c->name));
    else
      controls_.emplace(c->name, std::make_unique<Win32ChildControl>());
  }
}

void Win32Form::Show() {
  if (!Loaded()) {
    try {
      Load();
      events_.Form_Load();
    } catch (...) {
      Unload();
      throw;
    }
  }
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
}

void Win32Form::Unload() {
  if (!window_) return;
  HWND window = std::exchange(window_, nullptr);
  lastFocus_ = nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);  // no more events for this load
  DestroyWindow(window);
  FormUnloaded();
  controls_.clear();
  labelFonts_.clear();
  for (HFONT f : fonts_) DeleteObject(f);
  fonts_.clear();
  if (background_) DeleteObject(std::exchange(background_, nullptr));
}

intptr_t Win32Form::WindowHandle() const {
  if (!window_) throw Error(ErrorKind::Input, layout_.name + ": the form is not loaded");
  return reinterpret_cast<intptr_t>(window_);
}

RECT Win32Form::OuterRect() const {
  RECT r{};
  if (!window_ || !GetWindowRect(window_, &r))
    throw Error(ErrorKind::Input, layout_.name + ": the form is not loaded");
  return r;
}

float Win32Form::Left() const { return static_cast<float>(OuterRect().left) * runtime_.TwipsPerPixelX(); }
float Win32Form::Top() const { return static_cast<float>(OuterRect().top) * runtime_.TwipsPerPixelY(); }
float Win32Form::Width() const {
  const RECT r = OuterRect();
  return static_cast<float>(r.right - r.left) * runtime_.TwipsPerPixelX();
}
float Win32Form::Height() const {
  const RECT r = OuterRect();
  return static_cast<float>(r.bottom - r.top) * runtime_.TwipsPerPixelY();
}

void Win32Form::SetLeft(float twips) {
  const RECT r = OuterRect();
  ::SetWindowPos(window_, nullptr, TwipsToPixels(twips, runtime_.TwipsPerPixelX()), r.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::SetTop(float twips) {
  const RECT r = OuterRect();
  ::SetWindowPos(window_, nullptr, r.left, TwipsToPixels(twips, runtime_.TwipsPerPixelY()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Control& Win32Form::Find(std::string_view name) const {
  if (!window_) throw Error(ErrorKind::Input, layout_.name + ": the form is not loaded");
  const auto found = controls_.find(name);
  if (found == controls_.end())
    throw Error(ErrorKind::Input, layout_.name + " has no control " + std::string(name));
  return *found->second;
}

forms::ComboBox& Win32Form::Combo(std::string_view name) {
  if (auto* c = Find(name).AsCombo()) return *c;
  throw Error(ErrorKind::Input, layout_.name + "." + std::string(name) + " is not a combo box");
}

forms::CheckBox& Win32Form::Check(std::string_view name) {
  if (auto* c = Find(name).AsCheck()) return *c;
  throw Error(ErrorKind::Input, layout_.name + "." + std::string(name) + " is not a check box");
}

forms::Label& Win32Form::LabelNamed(std::string_view name) {
  if (auto* c = Find(name).AsLabel()) return *c;
  throw Error(ErrorKind::Input, layout_.name + "." + std::string(name) + " is not a label");
}

void Win32Form::Click(const std::string& control) { events_.Click(control); }

void Win32Form::Repaint() {
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

const forms::ControlLayout* Win32Form::WindowlessAt(POINT point) const {
  for (auto c = layout_.controls.rbegin(); c != layout_.controls.rend(); ++c) {
    if (!Windowless(*c)) continue;
    const RECT r = PixelRect(*c);
    if (PtInRect(&r, point)) return &*c;
  }
  return nullptr;
}

void Win32Form::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, background_);
  SetBkMode(dc, TRANSPARENT);
  for (const auto& c : layout_.controls) {
    const RECT r = PixelRect(c);
    if (c.kind == forms::ControlKind::Shape) {
      HPEN pen = CreatePen(PS_SOLID, 1, c.foreColor ? Colour(*c.foreColor) : RGB(128, 128, 128));
      HGDIOBJ oldPen = SelectObject(dc, pen);
      HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
      Rectangle(dc, r.left, r.top, r.right, r.bottom);
      SelectObject(dc, oldBrush);
      DeleteObject(SelectObject(dc, oldPen));
    } else if (c.kind == forms::ControlKind::Label) {
      RECT box = r;
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
  }
  EndPaint(window_, &ps);
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
  HWND window = window_;
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole client area
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(background_);
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == window_) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(window_, &p);
        const forms::ControlLayout* c = WindowlessAt(p);
        SetCursor(c && c->pointer == forms::Pointer::Hand ? HandCursor() : LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_LBUTTONUP: {
      const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const forms::ControlLayout* c = WindowlessAt(p);
      Click(c && c->kind == forms::ControlKind::Label ? c->name : std::string());
      return 0;
    }
    case WM_COMMAND: {
      const int index = LOWORD(wParam) - kFirstControlId;
      if (index < 0 || index >= static_cast<int>(layout_.controls.size())) break;
      const forms::ControlLayout& c = layout_.controls[static_cast<std::size_t>(index)];
      const int code = HIWORD(wParam);
      if (c.kind == forms::ControlKind::ComboBox && code == CBN_SELCHANGE) {
        if (auto* combo = dynamic_cast<Win32Combo*>(Find(c.name).AsCombo())) combo->OnSelectionChanged();
        return 0;
      }
      if (c.kind == forms::ControlKind::Button && code == BN_CLICKED) {
        Click(c.name);
        return 0;
      }
      break;
    }
    case WM_ACTIVATE:
      // As a dialog does: the focus goes back to the control that had it, at first to the
      // first tab stop.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        lastFocus_ = focus && IsChild(window_, focus) ? focus : nullptr;
        return 0;
      }
      [[fallthrough]];
    case WM_SETFOCUS: {
      HWND target = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(window_, nullptr, FALSE);
      if (target) SetFocus(target);
      return 0;
    }
    case WM_CLOSE:
      Unload();  // the window's own close: discarded like any unload, no event
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pelvaron::addin
