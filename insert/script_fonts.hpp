#pragma once
// Font name and size as the insertions set them. Word draws Arabic in the selection's
// complex-script font and size, which Font.Name and Font.Size do not change: when the pack
// names a Quran font, "(normal text)" also sets that font for complex scripts, and every
// size is set for both. A pack that names none types exactly the operations it always did.

#include <string>

#include "insert/document_ops.hpp"
#include "module/state.hpp"

namespace pelvaron {

void SetInsertionFont(const ModuleState& state, DocumentOps& doc, const std::string& name);
void SetInsertionSize(const ModuleState& state, DocumentOps& doc, float points);

}  // namespace pelvaron
