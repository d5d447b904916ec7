// What every message loop of ours does with a message before dispatching it.
#pragma once

#include <windows.h>

namespace toolkit::win32 {

// Dialog keys for our windows; false when the message is still to be dispatched.
bool RouteDialogKeys(MSG& msg);

}  // namespace toolkit::win32
