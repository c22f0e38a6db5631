#include "writer/awt_forms.hpp"

#include <exception>

#include <com/sun/star/awt/AsyncCallback.hpp>
#include <com/sun/star/awt/MessageBoxButtons.hpp>
#include <com/sun/star/awt/MessageBoxType.hpp>
#include <com/sun/star/awt/Toolkit.hpp>
#include <com/sun/star/awt/XDevice.hpp>
#include <com/sun/star/awt/XMessageBox.hpp>
#include <com/sun/star/awt/XMessageBoxFactory.hpp>
#include <com/sun/star/awt/XCallback.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <cppuhelper/implbase1.hxx>

#include "module/trace_format.hpp"
#include "writer/awt_form.hpp"
#include "writer/failure_text.hpp"
#include "writer/uno_text.hpp"

namespace pelvaron::writer {

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
namespace awt = css::awt;

AwtRuntime::AwtRuntime(const Reference<css::uno::XComponentContext>& context)
    : context_(context), toolkit_(awt::Toolkit::create(context)) {
  // The screen's resolution, as the Win32 forms take it from the display.
  const awt::DeviceInfo info = toolkit_->createScreenCompatibleDevice(1, 1)->getInfo();
  if (info.PixelPerMeterX > 0) twipsPerPixel_ = static_cast<float>(1440.0 / (info.PixelPerMeterX * 0.0254));
}

void AwtRuntime::SetLog(std::function<void(const std::string&)> log, bool showMessageBoxes) {
  log_ = std::move(log);
  showMessageBoxes_ = showMessageBoxes;
}

std::unique_ptr<forms::Form> AwtRuntime::CreateForm(const forms::FormLayout& layout,
                                                    forms::FormEvents& events) {
  return std::make_unique<AwtForm>(*this, layout, events);
}

float AwtRuntime::ScreenWidth() const {
  return static_cast<float>(toolkit_->getWorkArea().Width) * twipsPerPixel_;
}
float AwtRuntime::ScreenHeight() const {
  return static_cast<float>(toolkit_->getWorkArea().Height) * twipsPerPixel_;
}

void AwtRuntime::SetWindowPos(intptr_t window, int32_t insertAfter, int32_t x, int32_t y, int32_t cx,
                              int32_t cy, uint32_t) {
  const auto found = forms_.find(window);
  if (found == forms_.end()) return;  // as user32 does for a stale handle: the call fails quietly
  try {
    found->second->SetBounds(x, y, cx, cy);
    if (insertAfter == forms::kHwndTopmost) found->second->ToFront();
  } catch (...) {
  }
}

void AwtRuntime::MsgBox(const std::string& text, int32_t style) {
  if (log_) log_("MsgBox " + QuoteTraceString(text) + " " + std::to_string(style));
  if (!showMessageBoxes_) return;
  Reference<awt::XMessageBoxFactory> factory(toolkit_, UNO_QUERY_THROW);
  Reference<awt::XMessageBox> box = factory->createMessageBox(
      parent_, style == forms::kMsgBoxCritical ? awt::MessageBoxType_ERRORBOX : awt::MessageBoxType_INFOBOX,
      awt::MessageBoxButtons::BUTTONS_OK, "Pelvaron", ToOUString(text));
  box->execute();
  Reference<css::lang::XComponent>(box, UNO_QUERY_THROW)->dispose();
}

void AwtRuntime::RunEvent(const std::function<void()>& handler) {
  if (depth_ == 0) DisposePending();
  ++depth_;
  try {
    handler();
  } catch (...) {
    const std::string text = CurrentFailureText();
    try {
      MsgBox(text, forms::kMsgBoxCritical);
    } catch (...) {
    }
  }
  --depth_;
  try {
    if (depth_ == 0 && afterEvent_) afterEvent_();
  } catch (...) {
  }
}

namespace {

// Runs the runtime's disposal from the main loop, once the handler that unloaded has returned.
class DisposeCallback : public cppu::WeakImplHelper1<awt::XCallback> {
 public:
  explicit DisposeCallback(AwtRuntime& runtime) : runtime_(runtime) {}
  void SAL_CALL notify(const css::uno::Any&) override {
    try {
      runtime_.DisposePending();
    } catch (...) {
    }
  }

 private:
  AwtRuntime& runtime_;
};

}  // namespace

void AwtRuntime::DisposeLater(const Reference<awt::XWindowPeer>& window) {
  pending_.push_back(window);
  if (pending_.size() > 1) return;  // a callback is on its way already
  try {
    awt::AsyncCallback::create(context_)->addCallback(new DisposeCallback(*this), css::uno::Any());
  } catch (...) {
    // The next event disposes them instead.
  }
}

void AwtRuntime::DisposePending() {
  if (depth_ != 0) return;
  std::vector<Reference<awt::XWindowPeer>> windows;
  windows.swap(pending_);
  // Controls first (they were queued before their form).
  for (const auto& window : windows) {
    try {
      Reference<css::lang::XComponent>(window, UNO_QUERY_THROW)->dispose();
    } catch (...) {
    }
  }
}

}  // namespace pelvaron::writer
