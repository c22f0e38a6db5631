#pragma once
// What a form looks like, as data: the controllers describe their forms once and every forms
// runtime (headless, Win32) builds its windows from the same description.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelvaron::forms {

enum class ControlKind {
  Label,     // static text, windowless: clicks on it are the label's own
  ComboBox,  // editable drop-down combo box, not sorted
  CheckBox,  // two states, 0 = unchecked, 1 = checked
  Button,    // push button, never the default button
  Shape,     // a frame drawn on the form; takes no clicks (a click on it is the form's)
};

enum class Alignment { Left, Centre, Right };

// Default: the system arrow. Hand: a pointing hand, hot spot at the tip of the index finger
// (12, 1 of a 32 x 32 cursor).
enum class Pointer { Default, Hand };

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr int kWesternCharset = 0;
inline constexpr int kArabicCharset = 178;

struct FontStyle {
  std::string name;
  float points = 8.25f;
  bool bold = false;
  bool underline = false;
  int charset = kWesternCharset;
};

struct ControlLayout {
  // Unique within the form; members of a control array carry their index: "Label1(0)".
  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string caption;  // labels, check boxes, buttons; empty for combo boxes and shapes
  // Within the client area, in twips.
  float left = 0, top = 0, width = 0, height = 0;
  int tabIndex = -1;              // -1: not a tab stop
  std::optional<FontStyle> font;  // none: the form's default font
  std::optional<Rgb> foreColor;   // none: the system's text colour
  bool transparent = false;       // labels: no background of their own
  Alignment alignment = Alignment::Left;
  Pointer pointer = Pointer::Default;
  // Combo boxes: the list stays open below the edit field, filling the layout's height. Only
  // such a list reports double-clicks; a drop-down's list closes on the first click.
  bool listOpen = false;
  // Labels: the runtime draws the caption in the largest size down from the font's that
  // fits the width, measured in its own text metrics (FittedPoints).
  bool shrinkToFit = false;
};

// Labels and shapes have no window of their own in any runtime: their form draws them (in
// layout order, later over earlier) and takes their clicks.
inline bool Windowless(const ControlLayout& c) {
  return c.kind == ControlKind::Label || c.kind == ControlKind::Shape;
}

// A control of a layout with the fields every control has; the rest keep their defaults.
inline ControlLayout MakeControl(std::string name, ControlKind kind, std::string caption, float left,
                                 float top, float width, float height, int tabIndex,
                                 std::optional<FontStyle> font) {
  ControlLayout control;
  control.name = std::move(name);
  control.kind = kind;
  control.caption = std::move(caption);
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  control.tabIndex = tabIndex;
  control.font = std::move(font);
  return control;
}

struct FormLayout {
  std::string name;     // "frmPilih", "frmabout": also what traces and errors call the form
  std::string caption;  // the title bar's text, exactly
  float clientWidth = 0, clientHeight = 0;  // twips
  std::optional<Rgb> backColor;             // none: the system's dialog colour
  std::vector<ControlLayout> controls;      // in drawing order, top to bottom
};

}  // namespace pelvaron::forms
