#include "forms/verse_dialog.hpp"

namespace pelvaron::forms {
namespace {

constexpr auto Control = MakeControl;

}  // namespace

FormLayout VerseDialogLayout() {
  const FontStyle labelFont{"Arial", 9.75f, true, false, kArabicCharset};
  const FontStyle boldFont{"Arial", 9.75f, true, false, kWesternCharset};
  FormLayout layout;
  layout.name = "frmPilih";
  layout.caption = "Pilih Surat & Ayat";
  layout.clientWidth = 3525;
  layout.clientHeight = 2130;
  layout.controls = {
      Control("cbSurat", ControlKind::ComboBox, "", 1200, 240, 2055, 315, 0, std::nullopt),
      Control("Label1(0)", ControlKind::Label, "Surat", 240, 240, 735, 375, 1, labelFont),
      Control("Label2", ControlKind::Label, "Ayat", 240, 720, 735, 255, 2, labelFont),
      Control("cbFrom", ControlKind::ComboBox, "", 1200, 720, 855, 315, 3, std::nullopt),
      Control("Label1(1)", ControlKind::Label, "s/d", 2160, 720, 375, 375, 4, labelFont),
      Control("cbTo", ControlKind::ComboBox, "", 2520, 720, 735, 315, 5, std::nullopt),
      Control("Check1", ControlKind::CheckBox, "Ganti Baris", 1200, 1200, 1695, 255, 6, boldFont),
      Control("Command1", ControlKind::Button, "OK", 1200, 1560, 2055, 375, 7, boldFont),
  };
  return layout;
}

}  // namespace pelvaron::forms
