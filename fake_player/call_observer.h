// What a fake player tells about each call the plug-in makes to it, once the
// call has done its work. The stand-in player logs these; in-process tests
// read the fake's own record instead and watch nothing.
#pragma once

#include <cstdint>
#include <string>

#include "host/AIMPSDKAddons.h"

namespace fake_player {

class CallObserver {
 public:
  // object is "CoreUnit", "SkinsService" or "MenuService"; count is its
  // references after the call.
  virtual void AddRefCalled(const char* object, uint32_t count) = 0;
  // held is false for a Release without a reference, which changes nothing.
  virtual void ReleaseCalled(const char* object, bool held, uint32_t count) = 0;
  virtual void QueryAnswered(const char* object, const host::Guid& iid, host::HRESULT result,
                             uint32_t count) = 0;
  // The core unit asked for a service (anything but IUnknown). serviceCount is
  // the references of the service handed out, null when none was.
  virtual void ServiceQueried(const host::Guid& iid, host::HRESULT result,
                              const uint32_t* serviceCount) = 0;
  // The outputs as the service left them; wrote is false when it filled in nothing.
  virtual void CurrentSkinRead(const char16_t* name, int32_t nameSize, const int32_t* hue,
                               const int32_t* intensity, bool wrote) = 0;
  // skin is null for a null name or a negative length.
  virtual void SkinInfoRead(const std::u16string* skin, int32_t nameLength,
                            const host::SkinInfoRecord* info, host::HRESULT result) = 0;
  // skin is null for a null name.
  virtual void SkinApplied(const std::u16string* skin, int32_t hue, int32_t intensity,
                           host::HRESULT result) = 0;
  // handle is 0 when the item was not taken.
  virtual void MenuItemAdded(int32_t parent, const host::MenuItemRecord* item, int32_t handle) = 0;
  virtual void UnusedCalled(const char* method, host::HRESULT result) = 0;
  virtual void MenuItemRemoved(int32_t handle, host::HRESULT result) = 0;

 protected:
  ~CallObserver() = default;
};

}  // namespace fake_player
