#include "addin/addin_state.hpp"

#include "addin/win32_forms.hpp"
#include "addin/word_session.hpp"
#include "forms/forms_app.hpp"

namespace pelvaron::addin {
namespace {

std::shared_ptr<WordSession> g_word;

}  // namespace

ModuleState& Module() {
  static ModuleState state;
  return state;
}

forms::FormsApp& Forms() {
  static Win32FormsRuntime runtime;
  static forms::FormsApp app(Module(), runtime);
  return app;
}

WordSession* Word() { return g_word.get(); }

void SetWord(std::shared_ptr<WordSession> session) {
  g_word = session;
  Module().Frame = session;
  Module().Document = std::move(session);
}

}  // namespace pelvaron::addin
