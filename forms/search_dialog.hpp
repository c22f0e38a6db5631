#pragma once
// frmCari, "Cari Ayat": the user types what they remember of a verse, picks one of the
// results and inserts its range, with a citation style and what to insert, through the same
// insertion entry point as the verse dialog.

#include <string>
#include <string_view>
#include <vector>

#include "forms/forms_runtime.hpp"
#include "forms/host_choices.hpp"
#include "forms/insert_parts.hpp"
#include "insert/insert_request.hpp"
#include "module/state.hpp"
#include "search/search_engine.hpp"

namespace pelvaron::forms {

FormLayout SearchDialogLayout();

// The citation styles in the order of cbKutip's entries.
inline constexpr CiteStyle kCiteChoices[] = {CiteStyle::None, CiteStyle::Qs, CiteStyle::Short,
                                             CiteStyle::Arabic};
// cbJenis's entries ("Sisipkan"): the first three are the menu buttons' InsertMode 1..3, the
// rest add the Latin reading. `name` is the choice's name in `pelvaron dialog` scripts.
struct InsertChoice {
  const char* entry;
  const char* name;
  InsertParts parts;
};
inline constexpr InsertChoice kInsertChoices[] = {
    {"Arab dan terjemah", "all", {.arabic = true, .translation = true}},
    {"Arab", "arabic", {.arabic = true}},
    {"Terjemah", "translation", {.translation = true}},
    {"Arab, Latin dan terjemah", "all+latin", {.arabic = true, .latin = true, .translation = true}},
    {"Arab dan Latin", "arabic+latin", {.arabic = true, .latin = true}},
    {"Latin dan terjemah", "translation+latin", {.latin = true, .translation = true}},
    {"Latin", "latin", {.latin = true}},
};
// The results a search lists at most.
inline constexpr int kSearchResultLimit = 50;

// A result as cbHasil lists it: "2:255  Allah, tidak ada tuhan…", "112:1-4  …".
std::string SearchResultEntry(const search::SearchResult& result);

class SearchDialog : public FormEvents {
 public:
  // The index is built on the first search and kept while the dialog lives.
  // `choices` (FormsApp): the citation is cbKutip's choice at every load, the Latin reading
  // picks the Latin entries of cbJenis, the verse-by-verse layout applies to the insertion.
  SearchDialog(const ModuleState& state, FormsRuntime& runtime, const HostChoices& choices);

  Form& form() { return *form_; }
  const std::vector<search::SearchResult>& results() const { return results_; }

  void Form_Load() override;
  void Click(std::string_view control) override;
  // Enter in the query box searches; a double-click on a result inserts it.
  void EnterPressed(std::string_view control) override;
  void DoubleClick(std::string_view control) override;

  // cmdCari, or Enter in the query box.
  void OnSearchClicked();
  // cmdSisipkan, or a double-click on a result.
  void OnInsertClicked();

 private:
  void Centre();

  const ModuleState& state_;
  FormsRuntime& runtime_;
  const HostChoices& choices_;
  search::SearchEngine engine_;
  std::unique_ptr<Form> form_;
  std::vector<search::SearchResult> results_;
  bool inserting_ = false;
};

}  // namespace pelvaron::forms
