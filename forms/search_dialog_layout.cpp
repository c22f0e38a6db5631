#include "forms/search_dialog.hpp"

namespace pelvaron::forms {
namespace {

ControlLayout Control(std::string name, ControlKind kind, std::string caption, float left, float top,
                      float width, float height, int tabIndex) {
  // Labels and buttons bold, as in the verse dialog.
  const bool bold = kind == ControlKind::Label || kind == ControlKind::Button;
  return MakeControl(std::move(name), kind, std::move(caption), left, top, width, height, tabIndex,
                     FontStyle{"Arial", 9.75f, bold, false, kArabicCharset});
}

}  // namespace

FormLayout SearchDialogLayout() {
  FormLayout layout;
  layout.name = "frmCari";
  layout.caption = "Cari Ayat";
  layout.clientWidth = 7200;
  layout.clientHeight = 4320;
  layout.controls = {
      Control("Label1", ControlKind::Label, "Cari", 240, 240, 1095, 315, -1),
      Control("txtCari", ControlKind::ComboBox, "", 1440, 240, 4335, 315, 0),
      Control("cmdCari", ControlKind::Button, "Cari", 5880, 210, 1080, 375, 1),
      Control("Label2", ControlKind::Label, "Hasil", 240, 720, 1095, 315, -1),
      Control("cbHasil", ControlKind::ComboBox, "", 1440, 720, 5520, 1815, 2),
      Control("Label3", ControlKind::Label, "Rujukan", 240, 2760, 1095, 315, -1),
      Control("cbKutip", ControlKind::ComboBox, "", 1440, 2760, 3600, 315, 3),
      Control("Label4", ControlKind::Label, "Sisipkan", 240, 3240, 1095, 315, -1),
      Control("cbJenis", ControlKind::ComboBox, "", 1440, 3240, 3600, 315, 4),
      Control("cmdSisipkan", ControlKind::Button, "Sisipkan", 1440, 3720, 2655, 375, 5),
  };
  // The results stay in view: a double-click on one inserts it, which a drop-down's list
  // cannot report.
  layout.controls[4].listOpen = true;
  return layout;
}

}  // namespace pelvaron::forms
