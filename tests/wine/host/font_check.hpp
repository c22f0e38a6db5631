#pragma once
// What Word would see of an installed font: GDI lists its family, and a window draws a verse
// in it (for a screenshot a person looks at).

#include <string>

#include "tests/wine/host/checks.hpp"

namespace pelvaron::wine_host {

// Checks that GDI finds `family`, then shows `text` (UTF-8 in `textFile`) right to left in a
// static control in that font and saves the window to `screenshot`. Returns the failures.
int CheckInstalledFont(Checks& check, const std::wstring& family, const std::wstring& textFile,
                       const std::wstring& screenshot);

}  // namespace pelvaron::wine_host
