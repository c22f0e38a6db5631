#pragma once
// The add-in's forms side as one object: the single instances of frmPilih and frmabout and
// the click handlers of the "Al-Quran" menu's buttons. The host only wires its button
// events to OnGetAllClicked .. OnSearchClicked; failures are thrown to it (pelvaron::Error).

#include <memory>

#include "forms/forms_runtime.hpp"
#include "forms/host_choices.hpp"
#include "insert/insert_request.hpp"
#include "module/state.hpp"

namespace pelvaron::forms {

class VerseDialog;
class AboutBox;
class SearchDialog;

class FormsApp {
 public:
  // `state` (SurahTable, InsertMode, Document) and `runtime` must outlive the app.
  FormsApp(ModuleState& state, FormsRuntime& runtime);
  ~FormsApp();
  FormsApp(const FormsApp&) = delete;
  FormsApp& operator=(const FormsApp&) = delete;

  // "Get All", "Get Ayat", "Get Terjemah": InsertMode 1, 2, 3, then show frmPilih.
  void OnGetAllClicked();
  void OnGetAyatClicked();
  void OnGetTerjemahClicked();
  // "About": show frmabout; InsertMode is left alone.
  void OnAboutClicked();
  // "Cari Ayat": show frmCari; InsertMode is left alone.
  void OnSearchClicked();

  // The citation the user chose where the host keeps such a choice (Word's ribbon): typed
  // after every insertion of the verse dialog, and the search form's first choice when it
  // loads. None (the default) leaves both as they were.
  void SetCitation(CiteStyle cite) { choices_.cite = cite; }
  // The Latin reading and the verse-by-verse layout the user chose there, for the same
  // insertions; both off by default.
  void SetLatinLayout(bool latin, bool perVerse) {
    choices_.latin = latin;
    choices_.perVerse = perVerse;
  }

  // The single instances, created (unloaded) on first use.
  VerseDialog& VerseForm();
  AboutBox& AboutForm();
  SearchDialog& SearchForm();

 private:
  void ShowVerseDialog(int16_t mode);

  ModuleState& state_;
  FormsRuntime& runtime_;
  std::unique_ptr<VerseDialog> verseDialog_;
  std::unique_ptr<AboutBox> aboutBox_;
  std::unique_ptr<SearchDialog> searchDialog_;
  HostChoices choices_;
};

}  // namespace pelvaron::forms
