#pragma once
// One form of the AWT forms runtime and its controls.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include <com/sun/star/awt/FontDescriptor.hpp>
#include <com/sun/star/awt/Rectangle.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/awt/XWindowPeer.hpp>
#include <rtl/ref.hxx>

#include "forms/forms_runtime.hpp"

namespace pelvaron::writer {

class AwtRuntime;
class AwtListener;

class AwtForm : public forms::Form {
 public:
  AwtForm(AwtRuntime& runtime, forms::FormLayout layout, forms::FormEvents& events);
  ~AwtForm() override;

  const std::string& Name() const override { return layout_.name; }
  bool Loaded() const override { return loaded_; }
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

  // Pixels, as the toolkit takes them.
  void SetBounds(int32_t x, int32_t y, int32_t width, int32_t height);
  void ToFront();
  // What a control (or "" the form's surface) reports: a click, a selected entry, the close box.
  void OnClick(const std::string& control);
  void OnSelected(const std::string& combo, int index);
  // Enter in a combo box's edit field; a double-click on an entry of its open list.
  void OnEnter(const std::string& combo);
  void OnDoubleClick(const std::string& combo);
  // The font a label is drawn in.
  css::awt::FontDescriptor LabelFont(std::string_view name);
  void OnCloseBox();
  void OnWindowGone();

 private:
  struct Slot;
  void Load();
  void CreateControl(const forms::ControlLayout& control);
  void AddWindowless(const forms::ControlLayout& control);
  void AddShape(const forms::ControlLayout& control, Slot& slot);
  void AddLabel(const forms::ControlLayout& control, Slot& slot);
  // A child window of the form that only draws; kept in the slot.
  css::uno::Reference<css::awt::XWindowPeer> DrawnWindow(const css::awt::Rectangle& bounds, Slot& slot);
  // The listeners and the runtime's object of a control with a window of its own.
  void WireControl(const forms::ControlLayout& control, Slot& slot);
  void WireCombo(const forms::ControlLayout& control, Slot& slot);
  Slot& Find(std::string_view name, forms::ControlKind kind, const char* what);
  void RequireLoaded(std::string_view what) const;

  AwtRuntime& runtime_;
  forms::FormLayout layout_;
  forms::FormEvents& events_;
  bool loaded_ = false;
  // The window's rectangle in pixels as last set: a window not yet shown reports none of
  // its own, and the toolkit would move it back to where it was created.
  int32_t x_ = 0, y_ = 0, width_ = 0, height_ = 0;
  css::uno::Reference<css::awt::XWindowPeer> peer_;
  css::uno::Reference<css::awt::XWindow> window_;
  rtl::Reference<AwtListener> listener_;
  std::map<std::string, std::unique_ptr<Slot>, std::less<>> controls_;
};

}  // namespace pelvaron::writer
