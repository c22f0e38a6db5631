#pragma once
// The window class every form window belongs to, registered by the add-in's own library.

#include "addin/windows_api.hpp"

namespace pelvaron::addin {

HINSTANCE AddInInstance();
const wchar_t* FormClassName();
// Registers the class once per load of the library.
void RegisterFormClass(WNDPROC proc);
// At library unload: a later load may sit at another address.
void UnregisterFormClass();
bool IsFormWindow(HWND window);
// Posted to a form by the keyboard hook: Enter was pressed in its combo box lParam's edit field.
inline constexpr UINT kEnterInComboMessage = WM_APP + 1;
// The About box's pointer over its e-mail labels (a resource of the library).
HCURSOR HandCursor();

}  // namespace pelvaron::addin
