// The library's entry points: DllMain and the one export.
#include <windows.h>

#include "platform/win32/module.h"
#include "plugin.h"

// The C++ runtime linked into this library keeps an emergency buffer for
// exceptions thrown when memory runs out; only this call gives it back, and
// without it every load and unload of the library leaves it behind.
namespace __gnu_cxx {
void __freeres() noexcept;
}

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
    __gnu_cxx::__freeres();
  }
  return TRUE;
}

extern "C" int32_t __stdcall AIMP_QueryAddon3(host::IAIMPAddonPlugin** plugin) {
  return kaleidra::QueryAddon3(plugin);
}
