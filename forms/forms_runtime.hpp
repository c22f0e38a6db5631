#pragma once
// The forms runtime the dialogs' controllers run on. The controllers hold only these
// interfaces; a runtime (forms/headless for tests and `pelvaron dialog`, the Win32 one in the
// add-in) builds the windows from a FormLayout and routes their events back.
//
// Common rules for every runtime:
// - Everything happens on one thread. Event handlers run synchronously, nested inside the
//   call that caused them (setting a list index runs the combo's click before returning).
// - A failure throws pelvaron::Error (module/error.hpp) naming the form or control at fault.
// - Geometry is in twips, single precision; only SetWindowPos takes pixels.
// - Controls exist only while their form is loaded; reaching one of an unloaded form, or a
//   name the layout does not hold, throws. Unloading discards every list, text and value.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "forms/form_layout.hpp"

namespace pelvaron::forms {

// An editable drop-down combo box.
class ComboBox {
 public:
  virtual ~ComboBox() = default;

  // Empties the list and the edit text; the list index becomes -1. No click.
  virtual void Clear() = 0;
  // Appends an entry at the end of the list. No click.
  virtual void AddItem(const std::string& text) = 0;
  virtual int ListCount() const = 0;
  // Entry `index` (0-based); an index outside the list throws.
  virtual std::string List(int index) const = 0;

  // The selected entry, -1 for none (also after the user typed text of their own).
  virtual int ListIndex() const = 0;
  // Selects entry `index`, sets the edit text to it and then runs the combo's click
  // handler, also when the index was already selected. -1 selects nothing, leaves the text
  // and runs no click. An index outside -1..ListCount()-1 throws and changes nothing.
  virtual void SetListIndex(int index) = 0;

  // The edit text, as shown.
  virtual std::string Text() const = 0;
  // Replaces the edit text, as typing does. The list index becomes the first entry equal to
  // the text, or -1. No click.
  virtual void SetText(const std::string& text) = 0;
};

class CheckBox {
 public:
  virtual ~CheckBox() = default;
  virtual int Value() const = 0;         // 0 unchecked, 1 checked
  virtual void SetValue(int value) = 0;  // 0 or 1, else throws. No click.
};

class Label {
 public:
  virtual ~Label() = default;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& text) = 0;
};

// What a form reports to its controller.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  // The form is being loaded: its window and controls exist (not yet visible). A throw ends
  // the load: the runtime unloads the form and the throw reaches the caller of Show().
  virtual void Form_Load() = 0;
  // A click: `control` is the control's layout name, or "" for the form's own surface (also
  // for a click on a Shape). Buttons and labels when the user clicks them; combo boxes when
  // an entry is selected, by the user or by SetListIndex. Check boxes: none are reported.
  virtual void Click(std::string_view control) = 0;
  // A double-click on the selected entry of combo box `control` (one whose layout keeps its
  // list open), after its selection was reported. Forms that take none need not say so.
  virtual void DoubleClick(std::string_view /*control*/) {}
  // Enter pressed in combo box `control`'s edit field. Forms that take none need not say so.
  virtual void EnterPressed(std::string_view /*control*/) {}
};

// One form instance. Created unloaded; the instance outlives any number of load/unload cycles.
class Form {
 public:
  virtual ~Form() = default;

  virtual const std::string& Name() const = 0;
  virtual bool Loaded() const = 0;

  // Modeless, without an owner window. An unloaded form is loaded first: the window and
  // controls are created from the layout, Form_Load runs, then the window appears. A loaded
  // form only becomes visible and active; Form_Load does not run again.
  virtual void Show() = 0;
  // Closes the window and discards the controls. Does nothing when not loaded. Closing the
  // window by its own means (close box, Alt+F4) does the same, without any event.
  virtual void Unload() = 0;

  // The native window handle; throws when not loaded.
  virtual intptr_t WindowHandle() const = 0;
  // The outer window rectangle, twips, relative to the screen. Throw when not loaded.
  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  // Moves the window; the size stays. Throw when not loaded.
  virtual void SetLeft(float twips) = 0;
  virtual void SetTop(float twips) = 0;

  // Controls by layout name; throw for a name of another kind, or when not loaded.
  virtual ComboBox& Combo(std::string_view name) = 0;
  virtual CheckBox& Check(std::string_view name) = 0;
  virtual Label& LabelNamed(std::string_view name) = 0;
};

inline constexpr int32_t kHwndTopmost = -1;
inline constexpr int32_t kHwndNoTopmost = -2;

inline constexpr int32_t kMsgBoxCritical = 16;
inline constexpr int32_t kMsgBoxInformation = 64;

class FormsRuntime {
 public:
  virtual ~FormsRuntime() = default;

  // A new, unloaded form instance. `events` must outlive it.
  virtual std::unique_ptr<Form> CreateForm(const FormLayout& layout, FormEvents& events) = 0;

  // The screen (the primary monitor): size in twips and twips per pixel on each axis.
  virtual float ScreenWidth() const = 0;
  virtual float ScreenHeight() const = 0;
  virtual float TwipsPerPixelX() const = 0;
  virtual float TwipsPerPixelY() const = 0;

  // user32's SetWindowPos with these arguments, all in pixels; its result is ignored, so
  // a runtime reports no failure of the call itself.
  virtual void SetWindowPos(intptr_t window, int32_t insertAfter, int32_t x, int32_t y, int32_t cx,
                            int32_t cy, uint32_t flags) = 0;

  // A message box with an OK button and the style's icon (kMsgBoxInformation,
  // kMsgBoxCritical), the application's default title, modal to nothing; returns when the
  // user has dismissed it.
  virtual void MsgBox(const std::string& text, int32_t style) = 0;
};

}  // namespace pelvaron::forms
