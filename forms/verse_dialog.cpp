#include "forms/verse_dialog.hpp"

#include <cstdio>
#include <exception>

#include "forms/make_form_topmost.hpp"
#include "module/error.hpp"
#include "module/numeric.hpp"
#include "module/text.hpp"

namespace pelvaron::forms {
namespace {

// The first `count` characters (not bytes) of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
    std::size_t length = 1;
    DecodeUtf8At(text, pos, &length);
    pos += length;
  }
  return text.substr(0, pos);
}

double SurahValue(const std::string& text) { return NumberAtStart(FirstCharacters(text, 3)); }

DocumentOps& Document(const ModuleState& state) {
  if (!state.Document) throw Error(ErrorKind::HostCall, "there is no document to insert into");
  return *state.Document;
}

}  // namespace

std::string SurahEntryText(int surah, const SurahRecord& record) {
  char number[16];
  std::snprintf(number, sizeof number, "%03d", surah);
  return std::string(number) + ". " + TrimmedName(record);
}

VerseDialog::VerseDialog(const ModuleState& state, FormsRuntime& runtime, const HostChoices& choices)
    : state_(state),
      runtime_(runtime),
      choices_(choices),
      form_(runtime.CreateForm(VerseDialogLayout(), *this)) {}

void VerseDialog::Click(std::string_view control) {
  if (control == "cbSurat")
    OnSurahChosen();
  else if (control == "cbFrom")
    OnFirstVerseChosen();
  else if (control == "Command1")
    OnOkClicked();
}

void VerseDialog::Centre() {
  form_->SetLeft((runtime_.ScreenWidth() - form_->Width()) / 2);
  form_->SetTop((runtime_.ScreenHeight() - form_->Height()) / 2);
}

void VerseDialog::Form_Load() {
  Centre();
  ComboBox& surat = form_->Combo("cbSurat");
  for (int s = 1; s <= kSurahCount; ++s) surat.AddItem(SurahEntryText(s, state_.Surah(s)));
  surat.SetListIndex(0);
  ComboBox& from = form_->Combo("cbFrom");
  if (from.ListCount() > 0) from.SetListIndex(0);
  MakeFormTopmost(runtime_, *form_, -1);
}

int16_t VerseDialog::VerseCountOfSelectedSurah() {
  // The list position, not the text: a typed surah (no selection) reads entry 0, no verses.
  return state_.Surah(form_->Combo("cbSurat").ListIndex() + 1).VerseCount;
}

void VerseDialog::OnSurahChosen() {
  ComboBox& from = form_->Combo("cbFrom");
  ComboBox& to = form_->Combo("cbTo");
  from.Clear();
  to.Clear();
  const int16_t count = VerseCountOfSelectedSurah();
  for (int v = 1; v <= count; ++v) {
    from.AddItem(std::to_string(v));
    to.AddItem(std::to_string(v));
  }
  // A surah without verses (a defective index) leaves both lists empty; OK then refuses it.
  if (from.ListCount() > 0) from.SetListIndex(0);
}

void VerseDialog::OnFirstVerseChosen() {
  ComboBox& to = form_->Combo("cbTo");
  const std::string fromText = form_->Combo("cbFrom").Text();
  to.Clear();
  to.SetText(fromText);
  const int16_t count = VerseCountOfSelectedSurah();
  const int32_t first = ToInt32(NumberAtStart(fromText), "first verse");
  for (int32_t v = first; v <= count; ++v) to.AddItem(std::to_string(v));
  if (to.ListCount() > 0) to.SetListIndex(0);
}

std::optional<InsertRequest> VerseDialog::ReadRange() {
  const double surah = RoundHalfEven(SurahValue(form_->Combo("cbSurat").Text()));
  if (!(surah >= 1 && surah <= kSurahCount)) return std::nullopt;
  const int count = state_.Surah(static_cast<int>(surah)).VerseCount;
  const double first = NumberAtStart(form_->Combo("cbFrom").Text());
  const double last = NumberAtStart(form_->Combo("cbTo").Text());
  // Above the count is what the user is told about; below 1 would reach into the surah
  // before, so it is refused the same way.
  const auto outside = [count](double verse) { return !(verse >= 1 && verse <= count); };
  if (outside(first) || outside(last)) return std::nullopt;
  InsertRequest range;
  range.surah = static_cast<int16_t>(surah);
  range.firstVerse = ToInt16(first, "first verse");
  range.lastVerse = ToInt16(last, "last verse");
  range.runOn = form_->Check("Check1").Value() != 1;
  return range;
}

void VerseDialog::Refuse() {
  form_->Unload();
  runtime_.MsgBox(kVerseMissing, kMsgBoxInformation);
}

void VerseDialog::FillEmptyBoxes() {
  // An empty or non-numeric surah box picks list entry 1, surah 2, not surah 1: the dialog
  // has always done so, and documents made with it were made that way. Selecting it refills
  // both verse lists, so the two lines below then find 1 in each box.
  if (SurahValue(form_->Combo("cbSurat").Text()) == 0) form_->Combo("cbSurat").SetListIndex(1);
  if (NumberAtStart(form_->Combo("cbFrom").Text()) == 0) form_->Combo("cbFrom").SetText("1");
  if (NumberAtStart(form_->Combo("cbTo").Text()) == 0) form_->Combo("cbTo").SetText("1");
}

std::optional<InsertRequest> VerseDialog::RangeAfterArabic() {
  // The user may have closed the dialog or changed its boxes while the Arabic yielded.
  std::optional<InsertRequest> now;
  if (!form_->Loaded()) return now;
  now = ReadRange();
  if (!now) Refuse();
  return now;
}

bool VerseDialog::Insert(const InsertRequest& request) {
  struct Busy {
    bool& flag;
    explicit Busy(bool& f) : flag(f) { flag = true; }
    ~Busy() { flag = false; }
  } busy(inserting_);
  try {
    return RunInsertRequest(state_, Document(state_), request,
                            [this](const InsertRequest&) { return RangeAfterArabic(); });
  } catch (const std::exception& e) {
    // What was typed stays; the dialog stays open so the user can try again.
    runtime_.MsgBox(e.what(), kMsgBoxCritical);
    return false;
  }
}

void VerseDialog::OnOkClicked() {
  // The Arabic insertion lets the host handle input between verses; an OK pressed then
  // would start a second insertion in the middle of the first.
  if (inserting_) return;
  Centre();
  FillEmptyBoxes();
  std::optional<InsertRequest> range = ReadRange();
  if (!range) return Refuse();
  // No menu button clicked yet: nothing to insert.
  const std::optional<InsertWhat> what = InsertWhatFromMode(state_.InsertMode);
  if (!what) return form_->Unload();
  range->what = *what;
  range->cite = choices_.cite;
  range->latin = choices_.latin;
  range->perVerse = choices_.perVerse;
  if (Insert(*range)) form_->Unload();
}

}  // namespace pelvaron::forms
