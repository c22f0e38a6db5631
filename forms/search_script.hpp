#pragma once
// The "search …" lines of the user-action scripts (`pelvaron dialog`, the Writer extension's
// PELVARON_WRITER_SCRIPT): the Cari Ayat form driven from a script, on any forms runtime.

#include <stdexcept>
#include <string>
#include <string_view>

#include "forms/forms_app.hpp"

namespace pelvaron::forms {

// A line the script language does not take, or an action the form's state does not allow.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a script's user does, as the runtime the forms run on carries it out.
class ScriptedUser {
 public:
  virtual ~ScriptedUser() = default;
  virtual void PressEnter(Form& form, std::string_view control) = 0;
  virtual void Click(Form& form, std::string_view control) = 0;
  // A State line of the script's output.
  virtual void Write(const std::string& line) = 0;
};

// `rest` is the line after "search": show, query TEXT (typed, then Enter), pick N, cite STYLE,
// mode MODE, insert (the Sisipkan button), close, state. A wrong line throws ScriptError.
void RunSearchLine(FormsApp& app, ScriptedUser& user, std::string_view rest);

// "State loaded=1 query="…" cite=qs mode=all picked=0 results=2", then one
// "Result N S:V "snippet"" line per result.
std::string SearchDialogState(FormsApp& app);

}  // namespace pelvaron::forms
