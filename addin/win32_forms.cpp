#include "addin/win32_forms.hpp"

#include <cmath>

#include "addin/wide_text.hpp"
#include "addin/win32_form.hpp"
#include "addin/windows_api.hpp"

namespace pelvaron::addin {
namespace {

float TwipsPerPixel(int axis) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, axis);
  ReleaseDC(nullptr, screen);
  return 1440.0f / static_cast<float>(dpi > 0 ? dpi : 96);
}

}  // namespace

int TwipsToPixels(float twips, float twipsPerPixel) {
  return static_cast<int>(std::nearbyint(twips / twipsPerPixel));  // default rounding: halves to even
}

std::unique_ptr<forms::Form> Win32FormsRuntime::CreateForm(const forms::FormLayout& layout,
                                                           forms::FormEvents& events) {
  return std::make_unique<Win32Form>(layout, events, *this);
}

float Win32FormsRuntime::ScreenWidth() const {
  return static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * TwipsPerPixelX();
}

float Win32FormsRuntime::ScreenHeight() const {
  return static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * TwipsPerPixelY();
}

float Win32FormsRuntime::TwipsPerPixelX() const { return TwipsPerPixel(LOGPIXELSX); }
float Win32FormsRuntime::TwipsPerPixelY() const { return TwipsPerPixel(LOGPIXELSY); }

void Win32FormsRuntime::SetWindowPos(intptr_t window, int32_t insertAfter, int32_t x, int32_t y, int32_t cx,
                                     int32_t cy, uint32_t flags) {
  ::SetWindowPos(reinterpret_cast<HWND>(window), reinterpret_cast<HWND>(static_cast<intptr_t>(insertAfter)),
                 x, y, cx, cy, flags);
}

void Win32FormsRuntime::MsgBox(const std::string& text, int32_t style) {
  if (quiet_) return;
  // The dialogs are topmost: the box must not open behind them.
  MessageBoxW(nullptr, Widen(text).c_str(), L"Pelvaron", MB_OK | static_cast<UINT>(style) | MB_TOPMOST);
}

}  // namespace pelvaron::addin
