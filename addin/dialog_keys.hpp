#pragma once
// Word's message loop knows nothing of our forms: while any form is loaded, a message hook
// gives their keyboard messages the dialog treatment (Tab and Shift+Tab through the tab
// order, arrow keys, mnemonics). Enter in a combo box's edit field goes to the form as
// EnterPressed instead.

namespace pelvaron::addin {

// One call each per form load and unload; the hook lives while any form is loaded.
void AttachDialogKeys();
void DetachDialogKeys();

}  // namespace pelvaron::addin
