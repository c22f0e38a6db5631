#pragma once
// frmPilih, "Pilih Surat & Ayat": the user picks a surah and a verse range; OK checks the
// range and runs the insertion InsertMode names on state.Document.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/forms_runtime.hpp"
#include "forms/host_choices.hpp"
#include "insert/insert_request.hpp"
#include "module/state.hpp"

namespace pelvaron::forms {

FormLayout VerseDialogLayout();

// cbSurat's entry for surah s: "001. Al-Fatihah".
std::string SurahEntryText(int surah, const SurahRecord& record);

class VerseDialog : public FormEvents {
 public:
  // `choices` (FormsApp::SetCitation, SetLatinLayout) are read at every OK.
  VerseDialog(const ModuleState& state, FormsRuntime& runtime, const HostChoices& choices);

  Form& form() { return *form_; }

  void Form_Load() override;
  void Click(std::string_view control) override;

  void OnSurahChosen();
  void OnFirstVerseChosen();
  void OnOkClicked();

 private:
  void Centre();
  int16_t VerseCountOfSelectedSurah();
  // The boxes as they are now; none when the range is one the dialog refuses.
  std::optional<InsertRequest> ReadRange();
  // Closes the dialog and tells the user, as for a verse outside the surah.
  void Refuse();
  // Boxes whose value is 0 get what the dialog has always put there.
  void FillEmptyBoxes();
  // True when the insertion ran to its end; a failure is shown and the dialog stays open.
  bool Insert(const InsertRequest& request);
  // The translation's range after the Arabic yielded: the boxes as they are now.
  std::optional<InsertRequest> RangeAfterArabic();

  const ModuleState& state_;
  FormsRuntime& runtime_;
  const HostChoices& choices_;
  std::unique_ptr<Form> form_;
  bool inserting_ = false;
};

}  // namespace pelvaron::forms
