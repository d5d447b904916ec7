// The fake player's calls as the stand-in logs them, one line a call with its
// arguments and result, and the changes its window redraws on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "fake_player/call_observer.h"

namespace standin {

class ServiceLog final : public fake_player::CallObserver {
 public:
  void AddRefCalled(const char* object, uint32_t count) override;
  void ReleaseCalled(const char* object, bool held, uint32_t count) override;
  void QueryAnswered(const char* object, const host::Guid& iid, host::HRESULT result,
                     uint32_t count) override;
  void ServiceQueried(const host::Guid& iid, host::HRESULT result,
                      const uint32_t* serviceCount) override;
  void CurrentSkinRead(const char16_t* name, int32_t nameSize, const int32_t* hue,
                       const int32_t* intensity, bool wrote) override;
  void SkinInfoRead(const std::u16string* skin, int32_t nameLength,
                    const host::SkinInfoRecord* info, host::HRESULT result) override;
  void SkinApplied(const std::u16string* skin, int32_t hue, int32_t intensity,
                   host::HRESULT result) override;
  void MenuItemAdded(int32_t parent, const host::MenuItemRecord* item, int32_t handle) override;
  void UnusedCalled(const char* method, host::HRESULT result) override;
  void MenuItemRemoved(int32_t handle, host::HRESULT result) override;

  // Run after a skin was applied, and after a menu item was added or removed.
  void OnLookChange(std::function<void()> handler) { onLookChange_ = std::move(handler); }
  void OnMenuChange(std::function<void()> handler) { onMenuChange_ = std::move(handler); }

 private:
  std::function<void()> onLookChange_;
  std::function<void()> onMenuChange_;
};

std::string GuidName(const host::Guid& id);

}  // namespace standin
