#pragma once
// The user's choices on the ribbon, kept per user in the registry under the add-in's own key
// (HKEY_CURRENT_USER\Software\Microsoft\Office\Word\Addins\Pelvaron.Connect), so they
// outlive the connection and Word.

namespace pelvaron::addin {

// The Rujukan drop-down's entry, 0..3 in the order of forms::kCiteChoices; 0 (none) when
// nothing valid is kept.
int StoredCitation();
void StoreCitation(int index);

// A toggle button's state ("Latin", "PerAyat"), off when nothing is kept.
bool StoredToggle(const wchar_t* name);
void StoreToggle(const wchar_t* name, bool on);

}  // namespace pelvaron::addin
