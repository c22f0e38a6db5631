#include "forms/search_dialog.hpp"

#include <algorithm>
#include <exception>
#include <iterator>

#include "forms/make_form_topmost.hpp"
#include "insert/segments.hpp"
#include "module/error.hpp"

namespace pelvaron::forms {
namespace {

// What the user is told when a search finds nothing.
constexpr const char* kNothingFound = "tidak ditemukan";

// cbKutip's entries, in the order of kCiteChoices.
constexpr const char* kCiteEntries[] = {"Tanpa rujukan", "(QS. Al-Baqarah [2]: 255)", "(QS 2:255)",
                                        "[\u0627\u0644\u0628\u0642\u0631\u0629: \u0662\u0665\u0665]"};

}  // namespace

std::string SearchResultEntry(const search::SearchResult& result) {
  return search::VerseLabel(result) + "  " + result.snippet;
}

SearchDialog::SearchDialog(const ModuleState& state, FormsRuntime& runtime, const HostChoices& choices)
    : state_(state),
      runtime_(runtime),
      choices_(choices),
      engine_(state),
      form_(runtime.CreateForm(SearchDialogLayout(), *this)) {}

void SearchDialog::Click(std::string_view control) {
  if (control == "cmdCari")
    OnSearchClicked();
  else if (control == "cmdSisipkan")
    OnInsertClicked();
}

void SearchDialog::EnterPressed(std::string_view control) {
  if (control == "txtCari") OnSearchClicked();
}

void SearchDialog::DoubleClick(std::string_view control) {
  if (control == "cbHasil") OnInsertClicked();
}

void SearchDialog::Centre() {
  form_->SetLeft((runtime_.ScreenWidth() - form_->Width()) / 2);
  form_->SetTop((runtime_.ScreenHeight() - form_->Height()) / 2);
}

void SearchDialog::Form_Load() {
  Centre();
  results_.clear();
  ComboBox& cite = form_->Combo("cbKutip");
  for (const char* entry : kCiteEntries) cite.AddItem(entry);
  cite.SetListIndex(static_cast<int>(
      std::find(std::begin(kCiteChoices), std::end(kCiteChoices), choices_.cite) - std::begin(kCiteChoices)));
  ComboBox& what = form_->Combo("cbJenis");
  for (const InsertChoice& choice : kInsertChoices) what.AddItem(choice.entry);
  // The menu button last clicked chose what to insert; "both" before any.
  const auto mode = InsertWhatFromMode(state_.InsertMode);
  // With the Latin chosen, the same parts with the Latin (the entries after the first three).
  what.SetListIndex((mode ? static_cast<int>(*mode) - 1 : 0) + (choices_.latin ? 3 : 0));
  MakeFormTopmost(runtime_, *form_, -1);
}

void SearchDialog::OnSearchClicked() {
  ComboBox& list = form_->Combo("cbHasil");
  list.Clear();
  results_.clear();
  try {
    results_ = engine_.Find(form_->Combo("txtCari").Text(), kSearchResultLimit);
  } catch (const std::exception& e) {
    // An empty query or a verse past the surah's end: the message says which.
    return runtime_.MsgBox(e.what(), kMsgBoxInformation);
  }
  if (results_.empty()) return runtime_.MsgBox(kNothingFound, kMsgBoxInformation);
  for (const auto& result : results_) list.AddItem(SearchResultEntry(result));
  list.SetListIndex(0);
}

void SearchDialog::OnInsertClicked() {
  if (inserting_) return;  // pressed again while the Arabic yielded to the host
  const int picked = form_->Combo("cbHasil").ListIndex();
  if (picked < 0 || picked >= static_cast<int>(results_.size()))
    return runtime_.MsgBox(kNothingFound, kMsgBoxInformation);
  const search::SearchResult& result = results_[static_cast<std::size_t>(picked)];
  InsertRequest request;
  request.surah = result.surah;
  request.firstVerse = result.verse;
  request.lastVerse = result.lastVerse;
  const int what = form_->Combo("cbJenis").ListIndex();
  if (what >= 0 && what < static_cast<int>(std::size(kInsertChoices))) {
    const InsertMode mode = InsertModeOf(kInsertChoices[what].parts);
    request.what = mode.what;
    request.latin = mode.latin;
  }
  request.perVerse = choices_.perVerse;
  const int cite = form_->Combo("cbKutip").ListIndex();
  request.cite =
      cite >= 0 && cite < static_cast<int>(std::size(kCiteChoices)) ? kCiteChoices[cite] : CiteStyle::None;
  struct Busy {
    bool& flag;
    explicit Busy(bool& f) : flag(f) { flag = true; }
    ~Busy() { flag = false; }
  } busy(inserting_);
  try {
    if (!state_.Document) throw Error(ErrorKind::HostCall, "there is no document to insert into");
    if (result.lastSurah > result.surah)  // a juz or a page across surahs
      request.segments =
          SegmentsBetween(state_, {result.surah, result.verse}, {result.lastSurah, result.lastVerse});
    CheckInsertRequest(state_, request);
    RunInsertRequest(state_, *state_.Document, request);
  } catch (const std::exception& e) {
    // What was typed stays; the dialog stays open so the user can try again.
    return runtime_.MsgBox(e.what(), kMsgBoxCritical);
  }
  form_->Unload();
}

}  // namespace pelvaron::forms
