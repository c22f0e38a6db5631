#include "addin/addin_state.hpp"

#include "addin/win32_forms.hpp"
#include "addin/word_session.hpp"
#include "forms/about_box.hpp"
#include "forms/forms_app.hpp"
#include "forms/verse_dialog.hpp"

namespace pelvaron::addin {
namespace {

std::shared_ptr<WordSession> g_word;

Win32FormsRuntime& Runtime() {
  static Win32FormsRuntime runtime;
  return runtime;
}

}  // namespace

ModuleState& Module() {
  static ModuleState state;
  return state;
}

forms::FormsApp& Forms() {
  static forms::FormsApp app(Module(), Runtime());
  return app;
}

WordSession* Word() { return g_word.get(); }

void SetWord(std::shared_ptr<WordSession> session) {
  g_word = session;
  Module().Frame = session;
  Module().Document = std::move(session);
}

void CloseForShutdown() noexcept {
  Runtime().SetQuiet(true);
  if (g_word) g_word->StopInsertions();
  try {
    Forms().VerseForm().form().Unload();
    Forms().AboutForm().form().Unload();
  } catch (...) {
    // A form that cannot even be created has no window to close.
  }
}

void OpenAfterConnection() noexcept { Runtime().SetQuiet(false); }

}  // namespace pelvaron::addin
