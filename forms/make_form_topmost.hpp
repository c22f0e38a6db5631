#pragma once

#include <cstdint>

#include "forms/forms_runtime.hpp"

namespace pelvaron::forms {

// Puts `target`'s window into (onTop non-zero) or out of (zero) the topmost group, through
// SetWindowPos with the window's own rectangle converted to pixels (halves to even) and
// flags 0, which also activates it. A quotient that is not a finite 32-bit value throws.
void MakeFormTopmost(FormsRuntime& runtime, Form& target, int16_t onTop);

}  // namespace pelvaron::forms
