#pragma once
// What the library writes into the registry so that Word finds and connects it: the class,
// its ProgID, the type library and Word's add-in entry. Registration and removal walk the
// same table, so they cannot disagree.

namespace pelvaron::addin {

enum class RegistrationScope {
  Machine,  // HKEY_CLASSES_ROOT (regsvr32): needs administrator rights
  User,     // HKEY_CURRENT_USER\Software\Classes (regsvr32 /n /i:user)
};

// Both throw pelvaron::Error naming the key at fault.
void RegisterAddIn(RegistrationScope scope);
// Removes everything RegisterAddIn writes; keys already gone are no failure.
void UnregisterAddIn(RegistrationScope scope);

}  // namespace pelvaron::addin
