// What the library does once before it unloads, after every window is destroyed.
#pragma once

namespace toolkit {

// Removes the dialog-key hook and unregisters the toolkit's window classes.
void ShutdownToolkit();

}  // namespace toolkit
