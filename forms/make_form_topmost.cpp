#include "forms/make_form_topmost.hpp"

#include <string>

#include "module/numeric.hpp"

namespace pelvaron::forms {
namespace {

// Twips to pixels in single precision, as the window system's call takes them.
int32_t ToPixels(float twips, float twipsPerPixel, const Form& form, const char* what) {
  const float quotient = twips / twipsPerPixel;
  return ToInt32(static_cast<double>(quotient), form.Name() + " " + what + " in pixels");
}

}  // namespace

void MakeFormTopmost(FormsRuntime& runtime, Form& target, int16_t onTop) {
  const int32_t insertAfter = onTop != 0 ? kHwndTopmost : kHwndNoTopmost;
  // Handle first, then each coordinate with its own axis' scale, so that the first failing
  // read is the one reported.
  const intptr_t window = target.WindowHandle();
  const int32_t x = ToPixels(target.Left(), runtime.TwipsPerPixelX(), target, "left");
  const int32_t y = ToPixels(target.Top(), runtime.TwipsPerPixelY(), target, "top");
  const int32_t cx = ToPixels(target.Width(), runtime.TwipsPerPixelX(), target, "width");
  const int32_t cy = ToPixels(target.Height(), runtime.TwipsPerPixelY(), target, "height");
  runtime.SetWindowPos(window, insertAfter, x, y, cx, cy, 0);
}

}  // namespace pelvaron::forms
