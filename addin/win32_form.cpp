#include "addin/win32_form.hpp"

#include <algorithm>
#include <utility>

#include "addin/dialog_keys.hpp"
#include "addin/form_window_class.hpp"
#include "addin/label_font.hpp"
#include "addin/module_lock.hpp"
#include "addin/wide_text.hpp"
#include "addin/win32_controls.hpp"
#include "addin/win32_forms.hpp"
#include "module/error.hpp"

namespace pelvaron::addin {
namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The list part of a drop-down combo box, below its edit field.
constexpr int kDropDownPixels = 160;

// VB's form font, for controls whose layout names none.
const forms::FontStyle kDefaultFont{"MS Sans Serif", 8.25f, false, false, forms::kWesternCharset};

// The window class and style of a control that has a window of its own.
struct ChildWindowKind {
  const wchar_t* windowClass = L"BUTTON";
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  int extraHeight = 0;  // pixels beyond the layout's height
};

ChildWindowKind ChildWindowKindOf(const forms::ControlLayout& c) {
  ChildWindowKind kind;
  if (c.kind == forms::ControlKind::ComboBox) {
    kind.windowClass = L"COMBOBOX";
    kind.style |= CBS_AUTOHSCROLL | WS_VSCROLL;
    // An open list reports double-clicks (CBN_DBLCLK); a drop-down's list cannot.
    if (c.listOpen) {
      kind.style |= CBS_SIMPLE | CBS_NOINTEGRALHEIGHT;
    } else {
      kind.style |= CBS_DROPDOWN;
      kind.extraHeight = kDropDownPixels;
    }
  } else if (c.kind == forms::ControlKind::CheckBox) {
    kind.style |= BS_AUTOCHECKBOX;
  } else {
    kind.style |= BS_PUSHBUTTON;
  }
  return kind;
}

}  // namespace

Win32Form::Win32Form(const forms::FormLayout& layout, forms::FormEvents& events, Win32FormsRuntime& runtime)
    : layout_(layout), events_(events), runtime_(runtime) {}

Win32Form::~Win32Form() { Unload(); }

HFONT Win32Form::Font(const std::optional<forms::FontStyle>& style, const forms::ControlLayout* label) {
  const forms::FontStyle& f = style ? *style : kDefaultFont;
  const int box = label ? PixelRect(*label).right - PixelRect(*label).left : 0;
  HFONT font = CreateStyleFont(f, label ? LabelPoints(*label, f, box) : f.points);
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
  CreateFormWindow();
  // Child windows in tab order: the window manager's Z-order is the keyboard order.
  std::vector<const forms::ControlLayout*> ordered;
  for (const auto& c : layout_.controls) {
    if (Windowless(c)) {
      controls_.emplace(c.name, std::make_unique<Win32Label>(c.caption, *this));
      if (c.kind == forms::ControlKind::Label) labelFonts_.emplace(c.name, Font(c.font, &c));
    } else {
      ordered.push_back(&c);
    }
  }
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  for (const forms::ControlLayout* c : ordered) CreateChild(*c);
}

void Win32Form::CreateFormWindow() {
  RECT outer{0, 0, TwipsToPixels(layout_.clientWidth, runtime_.TwipsPerPixelX()),
             TwipsToPixels(layout_.clientHeight, runtime_.TwipsPerPixelY())};
  AdjustWindowRectEx(&outer, kFormStyle, FALSE, 0);
  // Top-level and without owner: nothing ties the form to Word's window.
  window_ = CreateWindowExW(0, FormClassName(), Widen(layout_.caption).c_str(), kFormStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                            nullptr, AddInInstance(), this);
  if (!window_) throw Error(ErrorKind::HostCall, layout_.name + ": cannot create its window");
  // A loaded form keeps the library in memory: its window procedure lives here.
  AddModuleRef();
  AttachDialogKeys();
  background_ = CreateSolidBrush(layout_.backColor ? Colour(*layout_.backColor) : GetSysColor(COLOR_BTNFACE));
}

void Win32Form::CreateChild(const forms::ControlLayout& c) {
  const RECT r = PixelRect(c);
  const auto id = static_cast<INT_PTR>(kFirstControlId + (&c - layout_.controls.data()));
  const ChildWindowKind kind = ChildWindowKindOf(c);
  HWND child = CreateWindowExW(0, kind.windowClass, Widen(c.caption).c_str(), kind.style, r.left, r.top,
                               r.right - r.left, r.bottom - r.top + kind.extraHeight, window_,
                               reinterpret_cast<HMENU>(id), AddInInstance(), nullptr);
  if (!child) throw Error(ErrorKind::HostCall, layout_.name + ": cannot create " + c.name);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font(c.font)), FALSE);
  if (c.kind == forms::ControlKind::ComboBox)
    controls_.emplace(c.name, std::make_unique<Win32Combo>(child, c.name, *this));
  else if (c.kind == forms::ControlKind::CheckBox)
    controls_.emplace(c.name, std::make_unique<Win32Check>(child, c.name));
  else
    controls_.emplace(c.name, std::make_unique<Win32ChildControl>());
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
  pressed_.reset();
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);  // no more events for this load
  DestroyWindow(window);
  DetachDialogKeys();
  ReleaseModuleRef();
  controls_.clear();
  labelFonts_.clear();
  for (HFONT f : fonts_) DeleteObject(f);
  fonts_.clear();
  if (background_) DeleteObject(std::exchange(background_, nullptr));
}

intptr_t Win32Form::WindowHandle() const {
  if (!window_) throw Error(ErrorKind::HostCall, layout_.name + ": the form is not loaded");
  return reinterpret_cast<intptr_t>(window_);
}

RECT Win32Form::OuterRect() const {
  RECT r{};
  if (!window_ || !GetWindowRect(window_, &r))
    throw Error(ErrorKind::HostCall, layout_.name + ": the form is not loaded");
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
  if (!window_) throw Error(ErrorKind::HostCall, layout_.name + ": the form is not loaded");
  const auto found = controls_.find(name);
  if (found == controls_.end())
    throw Error(ErrorKind::HostCall, layout_.name + " has no control " + std::string(name));
  return *found->second;
}

forms::ComboBox& Win32Form::Combo(std::string_view name) {
  if (auto* c = Find(name).AsCombo()) return *c;
  throw Error(ErrorKind::HostCall, layout_.name + "." + std::string(name) + " is not a combo box");
}

forms::CheckBox& Win32Form::Check(std::string_view name) {
  if (auto* c = Find(name).AsCheck()) return *c;
  throw Error(ErrorKind::HostCall, layout_.name + "." + std::string(name) + " is not a check box");
}

forms::Label& Win32Form::LabelNamed(std::string_view name) {
  if (auto* c = Find(name).AsLabel()) return *c;
  throw Error(ErrorKind::HostCall, layout_.name + "." + std::string(name) + " is not a label");
}

void Win32Form::Click(const std::string& control) { events_.Click(control); }
void Win32Form::DoubleClick(const std::string& control) { events_.DoubleClick(control); }
void Win32Form::EnterPressed(const std::string& control) { events_.EnterPressed(control); }

void Win32Form::Repaint() {
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace pelvaron::addin
