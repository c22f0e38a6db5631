#pragma once
// The forms runtime on LibreOffice's UNO AWT toolkit: each form a top window parented to
// the document's window, its controls toolkit peers built from the FormLayout. AWT has no
// system-wide topmost: a window parented to the document stays above it, and SetWindowPos
// with HWND_TOPMOST moves, sizes and raises it. Window handles are the peers' addresses.
//
// For tests and automation an action script (see ScriptPlayer) may stand in for the user;
// message boxes are then written to a log instead of waiting for a click.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <com/sun/star/awt/XToolkit2.hpp>
#include <com/sun/star/awt/XWindowPeer.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include "forms/forms_runtime.hpp"

namespace pelvaron::writer {

class AwtForm;

class AwtRuntime : public forms::FormsRuntime {
 public:
  explicit AwtRuntime(const css::uno::Reference<css::uno::XComponentContext>& context);

  // The window new forms and message boxes are parented to (the document's); may be empty.
  void SetParent(const css::uno::Reference<css::awt::XWindowPeer>& parent) { parent_ = parent; }
  // Where message boxes are logged ("MsgBox "TEXT" STYLE") and whether they are shown.
  void SetLog(std::function<void(const std::string&)> log, bool showMessageBoxes);
  // Runs after every event a control reports, whatever it did (ends an open insertion).
  void SetAfterEvent(std::function<void()> afterEvent) { afterEvent_ = std::move(afterEvent); }

  std::unique_ptr<forms::Form> CreateForm(const forms::FormLayout& layout,
                                          forms::FormEvents& events) override;
  float ScreenWidth() const override;
  float ScreenHeight() const override;
  float TwipsPerPixelX() const override { return twipsPerPixel_; }
  float TwipsPerPixelY() const override { return twipsPerPixel_; }
  void SetWindowPos(intptr_t window, int32_t insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                    uint32_t flags) override;
  void MsgBox(const std::string& text, int32_t style) override;

  // An event from a control, or the user's click a script stands in for: a failure is a
  // message box, never a throw into the toolkit.
  void RunEvent(const std::function<void()>& handler);

  // Disposes, outside every event handler, the windows of forms unloaded meanwhile.
  void DisposeLater(const css::uno::Reference<css::awt::XWindowPeer>& window);
  void DisposePending();

  const css::uno::Reference<css::uno::XComponentContext>& context() const { return context_; }
  const css::uno::Reference<css::awt::XToolkit2>& toolkit() const { return toolkit_; }
  const css::uno::Reference<css::awt::XWindowPeer>& parent() const { return parent_; }
  void Register(intptr_t handle, AwtForm* form) { forms_[handle] = form; }
  void Forget(intptr_t handle) { forms_.erase(handle); }

 private:
  css::uno::Reference<css::uno::XComponentContext> context_;
  css::uno::Reference<css::awt::XToolkit2> toolkit_;
  std::vector<css::uno::Reference<css::awt::XWindowPeer>> pending_;
  int depth_ = 0;
  css::uno::Reference<css::awt::XWindowPeer> parent_;
  float twipsPerPixel_ = 15;
  std::function<void(const std::string&)> log_;
  bool showMessageBoxes_ = true;
  std::function<void()> afterEvent_;
  std::map<intptr_t, AwtForm*> forms_;
};

}  // namespace pelvaron::writer
