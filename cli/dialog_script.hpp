#pragma once
// The script language of `pelvaron dialog`: one user action a line, run against the
// controllers on the headless runtime.

#include <cstdint>
#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "forms/forms_app.hpp"
#include "forms/headless/headless_runtime.hpp"
#include "forms/search_script.hpp"

namespace pelvaron::cli {

// A line the script language does not take, or an action the dialog's state does not allow
// (a control of a closed dialog, a list entry that does not exist).
using ScriptError = forms::ScriptError;

class DialogScript {
 public:
  // `showMode` (1..3) is the mode of the menu button that `show` clicks.
  DialogScript(forms::FormsApp& app, forms::HeadlessRuntime& runtime, int16_t showMode);

  // Runs one line; blank lines and lines starting with '#' do nothing.
  void Run(std::string_view line);

 private:
  void RunCombo(const std::string& combo, std::string_view rest);
  void RunAbout(std::string_view rest);
  void ClickMenuButton(int16_t mode);
  forms::Form& LoadedVerseDialog();

  forms::FormsApp& app_;
  forms::HeadlessRuntime& runtime_;
  int16_t showMode_;
};

// Runs every line of `script`; a ScriptError names the line.
void RunDialogScript(std::istream& script, DialogScript& runner);

// "State loaded=1 surah=… from=… to=… from.list=… to.list=… check=…" of a form laid out as
// frmPilih.
std::string VerseDialogState(forms::Form& dialog);

// A list of entries as the state line prints it: "A..B" for two or more consecutive
// ascending numbers, one entry alone, otherwise the entries joined by commas.
std::string CompactList(const std::vector<std::string>& entries);

}  // namespace pelvaron::cli
