#pragma once
// A forms runtime without windows: forms, lists and texts held in memory, events routed as
// the window system would, and every visible effect (load, unload, SetWindowPos, message
// box) written as a line. Used by the tests and `pelvaron dialog`.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "forms/forms_runtime.hpp"

namespace pelvaron::forms {

// 1024 x 768 pixels at 15 twips per pixel unless a test says otherwise.
struct HeadlessScreen {
  float widthTwips = 1024 * 15;
  float heightTwips = 768 * 15;
  float twipsPerPixelX = 15;
  float twipsPerPixelY = 15;
};

class HeadlessRuntime : public FormsRuntime {
 public:
  using LineWriter = std::function<void(std::string_view)>;

  // Lines: "Load NAME", "Unload NAME", "SetWindowPos NAME AFTER X Y CX CY FLAGS",
  // "MsgBox "TEXT" STYLE" (the text quoted as in the trace format).
  explicit HeadlessRuntime(LineWriter writer = nullptr, HeadlessScreen screen = {});

  std::unique_ptr<Form> CreateForm(const FormLayout& layout, FormEvents& events) override;
  float ScreenWidth() const override { return screen_.widthTwips; }
  float ScreenHeight() const override { return screen_.heightTwips; }
  float TwipsPerPixelX() const override { return screen_.twipsPerPixelX; }
  float TwipsPerPixelY() const override { return screen_.twipsPerPixelY; }
  void SetWindowPos(intptr_t window, int32_t insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                    uint32_t flags) override;
  void MsgBox(const std::string& text, int32_t style) override;

  // The user clicks `control` of a loaded form of this runtime ("" for the form's surface).
  // A label or button reports its click; a shape passes it to the form; a check box
  // toggles without an event. A combo box is not clicked but selected (SetListIndex).
  void UserClick(Form& form, std::string_view control);
  // The user double-clicks the selected entry of combo box `combo`, or presses Enter in its
  // edit field; a form without such a combo box, a double-click on a drop-down combo box
  // (only an open list takes one) or on one with nothing selected, throws.
  void UserDoubleClick(Form& form, std::string_view combo);
  void UserPressEnter(Form& form, std::string_view combo);
  // Shown and not closed since.
  bool Visible(const Form& form) const;

  // Writes a line of the caller's own through the same writer.
  void Write(std::string_view line) const;
  void Forget(intptr_t window) { windows_.erase(window); }

 private:
  LineWriter writer_;
  HeadlessScreen screen_;
  std::map<intptr_t, std::string> windows_;  // window handle -> form name
  intptr_t nextWindow_ = 0x1000;
};

}  // namespace pelvaron::forms
