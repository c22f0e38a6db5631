#include "forms/forms_app.hpp"

#include "forms/about_box.hpp"
#include "forms/search_dialog.hpp"
#include "forms/verse_dialog.hpp"

namespace pelvaron::forms {

FormsApp::FormsApp(ModuleState& state, FormsRuntime& runtime) : state_(state), runtime_(runtime) {}

FormsApp::~FormsApp() = default;

VerseDialog& FormsApp::VerseForm() {
  if (!verseDialog_) verseDialog_ = std::make_unique<VerseDialog>(state_, runtime_, choices_);
  return *verseDialog_;
}

AboutBox& FormsApp::AboutForm() {
  if (!aboutBox_) aboutBox_ = std::make_unique<AboutBox>(runtime_);
  return *aboutBox_;
}

SearchDialog& FormsApp::SearchForm() {
  if (!searchDialog_) searchDialog_ = std::make_unique<SearchDialog>(state_, runtime_, choices_);
  return *searchDialog_;
}

void FormsApp::ShowVerseDialog(int16_t mode) {
  // Set first: a failing show leaves the mode chosen, and an open dialog keeps its choices.
  state_.InsertMode = mode;
  VerseForm().form().Show();
}

void FormsApp::OnGetAllClicked() { ShowVerseDialog(1); }
void FormsApp::OnGetAyatClicked() { ShowVerseDialog(2); }
void FormsApp::OnGetTerjemahClicked() { ShowVerseDialog(3); }
void FormsApp::OnAboutClicked() { AboutForm().form().Show(); }
void FormsApp::OnSearchClicked() { SearchForm().form().Show(); }

}  // namespace pelvaron::forms
