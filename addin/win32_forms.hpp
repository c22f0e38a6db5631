#pragma once
// The forms runtime on Win32: each form a real top-level window without owner, its combo
// boxes, check box and button real child windows, its labels and shapes drawn by the form
// (windowless, as the layouts say), geometry converted from twips with the screen's own
// twips per pixel.

#include <memory>

#include "forms/forms_runtime.hpp"

namespace pelvaron::addin {

class Win32FormsRuntime : public forms::FormsRuntime {
 public:
  std::unique_ptr<forms::Form> CreateForm(const forms::FormLayout& layout,
                                          forms::FormEvents& events) override;
  float ScreenWidth() const override;
  float ScreenHeight() const override;
  float TwipsPerPixelX() const override;
  float TwipsPerPixelY() const override;
  void SetWindowPos(intptr_t window, int32_t insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                    uint32_t flags) override;
  void MsgBox(const std::string& text, int32_t style) override;

  // While Word closes no message box may appear: its window may be gone already.
  void SetQuiet(bool quiet) { quiet_ = quiet; }

 private:
  bool quiet_ = false;
};

// Twips to whole pixels, halves to even (the conversion every window-system call takes).
int TwipsToPixels(float twips, float twipsPerPixel);

}  // namespace pelvaron::addin
