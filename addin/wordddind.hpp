#pragma once
// The module-wide state of the add-in (the code module wordddind): the engine's
// ModuleState, and the Word session that stands behind its Document.

#include <filesystem>
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

// The folder of the add-in's own library file (wide: any folder name works).
std::filesystem::path LibraryFolder();
std::filesystem::path LibraryPath();

}  // namespace pelvaron::addin
