// The DLL's own instance handle, saved in DllMain, for window classes and
// resources (GetModuleHandle(NULL) inside a DLL is the player).
#pragma once

#include <windows.h>

namespace platform {

void SetModuleInstance(HINSTANCE instance);
// The instance saved by DllMain, or the executable's when none was saved
// (tests and the stand-in link the code statically).
HINSTANCE ModuleInstance();

}  // namespace platform
