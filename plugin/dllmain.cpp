// The library's entry points: DllMain and the one export.
#include <windows.h>

#include "orvo_aimp_kaleidra.h"
#include "platform/win32/module.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    platform::SetModuleInstance(instance);
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    // A dynamic unload (not process exit): give the services back.
    try {
      kaleidra::ReleaseServices();
    } catch (...) {
    }
  }
  return TRUE;
}

extern "C" int32_t __stdcall AIMP_QueryAddon3(host::IAIMPAddonPlugin** plugin) {
  return kaleidra::QueryAddon3(plugin);
}
