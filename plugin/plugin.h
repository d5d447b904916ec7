// The plug-in object the player drives, and the library-wide state it keeps
// from Initialize to Finalize.
#pragma once

#include <atomic>
#include <cstdint>

#include "core/randomiser.h"
#include "host/AIMPSDKAddons.h"

namespace kaleidra {

extern int32_t MenuItemHandle;

class TAIMPKaleidra final : public host::IAIMPAddonPlugin {
 public:
  TAIMPKaleidra() = default;
  TAIMPKaleidra(const TAIMPKaleidra&) = delete;
  TAIMPKaleidra& operator=(const TAIMPKaleidra&) = delete;

  host::HRESULT HOST_STDCALL QueryInterface(const host::Guid& iid, void** object) override;
  uint32_t HOST_STDCALL AddRef() override;
  uint32_t HOST_STDCALL Release() override;
  const char16_t* HOST_STDCALL GetPluginAuthor() override;
  const char16_t* HOST_STDCALL GetPluginInfo() override;
  const char16_t* HOST_STDCALL GetPluginName() override;
  uint32_t HOST_STDCALL GetPluginFlags() override;
  host::HRESULT HOST_STDCALL Initialize(host::IAIMPCoreUnit* coreUnit) override;
  host::HRESULT HOST_STDCALL Finalize() override;
  host::HRESULT HOST_STDCALL ShowSettingsDialog(host::HostWindow parentWindow) override;

  // Live objects, for leak checks in tests.
  static int32_t LiveCount();

 private:
  ~TAIMPKaleidra();
  std::atomic<uint32_t> refCount_{0};
};

// The body of the exported entry: stores null, then a new plug-in holding one
// reference. Returns -1; a null address creates nothing and returns 0.
int32_t QueryAddon3(host::IAIMPAddonPlugin** plugin);

// The menu command's callback.
void HOST_STDCALL MenuCommandClick(int32_t, int32_t);

// Releases the service references, as the library's unload does.
void ReleaseServices();

}  // namespace kaleidra
