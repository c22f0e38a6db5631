#pragma once
// The add-in's module-wide state: the engine's ModuleState, the dialogs on the Win32 forms
// runtime, and the Word session that stands behind ModuleState::Document.

#include <memory>

#include "module/state.hpp"

namespace pelvaron::forms {
class FormsApp;
}

namespace pelvaron::addin {

class WordSession;

ModuleState& Module();
// The dialogs and the menu buttons' click handlers, on the Win32 forms runtime.
forms::FormsApp& Forms();

// The session behind Module().Document; null before the first successful connection.
WordSession* Word();
void SetWord(std::shared_ptr<WordSession> session);

// Word is closing (OnBeginShutdown): the dialogs close, a running insertion stops at its
// next yield, and no message box appears any more, until the next connection.
void CloseForShutdown() noexcept;
// A new connection: message boxes again.
void OpenAfterConnection() noexcept;

}  // namespace pelvaron::addin
