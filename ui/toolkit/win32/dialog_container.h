// What a window holding controls answers when a control treats it as its
// dialog. A multi-line edit in dialog mode sends its parent WM_NEXTDLGCTL for
// Tab, DM_GETDEFID for Enter and posts WM_CLOSE for Esc; a plain window would
// ignore the first two and destroy itself on the third. Every container (form,
// tab sheet, group box, radio group, page control) answers them here, on
// behalf of the top-level window, as a dialog without a default or cancel
// button does.
#pragma once

#include <windows.h>

namespace toolkit::win32 {

// True when the message is one a dialog answers; result is then its answer.
bool AnswerAsDialog(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Drops what AnswerAsDialog kept on a window before it goes.
void ForgetDialogState(HWND window);

}  // namespace toolkit::win32
