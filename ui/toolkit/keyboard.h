// Dialog keys (Tab, arrows in radio groups, space on check boxes) for modeless
// windows shown inside a host's message loop, which does not know them: a
// thread message hook lets our windows handle those keys while one is shown.
#pragma once

namespace toolkit {

class Form;

// Counts a modeless form as shown or hidden; the hook lives while any is shown.
void EnableDialogKeys(Form& form, bool shown);
// Removes the hook whatever the count (before the library unloads).
void RemoveDialogKeyHook();
bool DialogKeyHookInstalled();

}  // namespace toolkit
