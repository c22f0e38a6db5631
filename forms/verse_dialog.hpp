#pragma once
// frmPilih, "Pilih Surat & Ayat": the user picks a surah and a verse range; OK checks the
// range and runs the insertion InsertMode names on state.Document.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/forms_runtime.hpp"
#include "module/state.hpp"

namespace pelvaron::forms {

inline constexpr const char* kVerseMissing = "Ayat tidak ada!!!";

FormLayout VerseDialogLayout();

// cbSurat's entry for surah s: "001. Al-Fatihah".
std::string SurahEntryText(int surah, const SurahRecord& record);

class VerseDialog : public FormEvents {
 public:
  VerseDialog(const ModuleState& state, FormsRuntime& runtime);

  Form& form() { return *form_; }

  void Form_Load() override;
  void Click(std::string_view control) override;

  void OnSurahChosen();
  void OnFirstVerseChosen();
  void OnOkClicked();

 private:
  struct Range {
    int16_t surah = 0;
    int16_t firstVerse = 0;
    int16_t lastVerse = 0;
    bool runOn = true;
  };

  void Centre();
  int16_t VerseCountOfSelectedSurah();
  // The boxes as they are now; none when the range is one the dialog refuses.
  std::optional<Range> ReadRange();
  // Closes the dialog and tells the user, as for a verse outside the surah.
  void Refuse();
  // Runs one insertion; false when it failed (the user has been told).
  template <typename Insertion>
  bool RunInsertion(Insertion insertion);

  const ModuleState& state_;
  FormsRuntime& runtime_;
  std::unique_ptr<Form> form_;
  bool inserting_ = false;
};

}  // namespace pelvaron::forms
