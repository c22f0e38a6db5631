#pragma once
// One form as a Win32 window. See win32_forms.hpp for the runtime it belongs to; the
// window's messages are handled in win32_form_messages.cpp.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "addin/windows_api.hpp"
#include "forms/forms_runtime.hpp"

namespace pelvaron::addin {

class Win32FormsRuntime;
class Win32Control;

using forms::Windowless;
inline COLORREF Colour(const forms::Rgb& rgb) { return RGB(rgb.r, rgb.g, rgb.b); }

class Win32Form : public forms::Form {
 public:
  Win32Form(const forms::FormLayout& layout, forms::FormEvents& events, Win32FormsRuntime& runtime);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  const std::string& Name() const override { return layout_.name; }
  bool Loaded() const override { return window_ != nullptr; }
  void Show() override;
  void Unload() override;
  intptr_t WindowHandle() const override;
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  void SetLeft(float twips) override;
  void SetTop(float twips) override;
  forms::ComboBox& Combo(std::string_view name) override;
  forms::CheckBox& Check(std::string_view name) override;
  forms::Label& LabelNamed(std::string_view name) override;

  // Run the event handlers behind the window procedure's barrier.
  void Click(const std::string& control);
  void DoubleClick(const std::string& control);
  void EnterPressed(const std::string& control);
  void Repaint();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // One handler per message; nothing means the default window procedure's answer.
  std::optional<LRESULT> Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT ControlBackground(HDC dc);
  std::optional<LRESULT> SetCursorOver(HWND target, WORD hitTest);
  std::optional<LRESULT> ButtonDown(POINT point);
  LRESULT ButtonUp(POINT point);
  std::optional<LRESULT> Command(WORD id, WORD code);
  LRESULT Activate(WORD state);
  LRESULT RestoreFocus();
  LRESULT EnterInCombo(HWND combo);
  LRESULT ComboDoubleClicked(std::size_t index);
  void Load();
  void CreateFormWindow();
  // A control with a window of its own, and its wrapper in controls_.
  void CreateChild(const forms::ControlLayout& control);
  void Paint();
  void PaintShape(HDC dc, const forms::ControlLayout& shape) const;
  void PaintLabel(HDC dc, const forms::ControlLayout& label) const;
  RECT PixelRect(const forms::ControlLayout& control) const;
  // For a label, at the size LabelPoints gives it.
  HFONT Font(const std::optional<forms::FontStyle>& style, const forms::ControlLayout* label = nullptr);
  // The label or shape under a client point, drawn last wins; null for the bare form.
  const forms::ControlLayout* WindowlessAt(POINT point) const;
  // What a mouse click at a client point reaches: a label's name, "" for the bare form (or a
  // shape on it), nothing outside the client area or over a child window.
  std::optional<std::string> ClickTargetAt(POINT point) const;
  RECT OuterRect() const;
  Win32Control& Find(std::string_view name) const;

  static constexpr int kFirstControlId = 100;  // child window ids: this plus the layout index
  // Posted to itself on a combo box's double-click; lParam: the layout index.
  static constexpr UINT kDoubleClickMessage = WM_APP + 2;

  forms::FormLayout layout_;
  forms::FormEvents& events_;
  Win32FormsRuntime& runtime_;
  HWND window_ = nullptr;
  HWND lastFocus_ = nullptr;  // the control to focus again when the form is activated
  // The windowless target the left button went down on, while the form holds the capture.
  std::optional<std::string> pressed_;
  HBRUSH background_ = nullptr;
  std::vector<HFONT> fonts_;  // every font of this load, deleted at unload
  std::map<std::string, HFONT, std::less<>> labelFonts_;
  std::map<std::string, std::unique_ptr<Win32Control>, std::less<>> controls_;
};

}  // namespace pelvaron::addin
