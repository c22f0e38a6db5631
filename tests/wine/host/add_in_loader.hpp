#pragma once
// How the stand-in Word loads the add-in and talks to it through IDTExtensibility2.

#include <string>

#include "addin/com_ptr.hpp"
#include "addin/extensibility.hpp"
#include "tests/wine/host/checks.hpp"

namespace pelvaron::wine_host {

using addin::IDTExtensibility2;

// From its ProgID, as Word does; with `perUserFolder`, through the current user's
// registration (which Wine's COM does not read), checking the DLL lies in that folder.
// Null when it cannot be created.
addin::ComPtr<IDTExtensibility2> LoadAddIn(Checks& check, const std::wstring& perUserFolder);

// OnConnection as Word calls it: an AddInInst with ProgId, and an Application argument the
// add-in must not use.
HRESULT Connect(IDTExtensibility2* addIn, addin::ext_ConnectMode mode);
HRESULT Disconnect(IDTExtensibility2* addIn, addin::ext_DisconnectMode mode);
HRESULT BeginShutdown(IDTExtensibility2* addIn);

}  // namespace pelvaron::wine_host
