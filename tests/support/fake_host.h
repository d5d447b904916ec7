// A fake player: core unit, skins service and menu service that record calls.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/AIMPSDKAddons.h"

namespace fixture {

// Counts references so tests can check that every AddRef is matched.
template <class Interface>
class Counted : public Interface {
 public:
  uint32_t HOST_STDCALL AddRef() override { return static_cast<uint32_t>(++refs); }
  uint32_t HOST_STDCALL Release() override { return static_cast<uint32_t>(--refs); }
  host::HRESULT HOST_STDCALL QueryInterface(const host::Guid&, void** object) override {
    if (object) *object = nullptr;
    return host::kNoInterface;
  }
  int refs = 0;
};

struct SkinDescription {
  std::u16string author;
  std::u16string name;
  std::u16string description;
  host::HostBitmap preview = nullptr;
};

struct AppliedLook {
  std::u16string skin;
  int32_t hue;
  int32_t intensity;
};

class FakeSkinsService : public Counted<host::IAIMPSkinsService> {
 public:
  host::HRESULT HOST_STDCALL ReadCurrentSkin(char16_t* name, int32_t nameSize, int32_t* hue,
                                             int32_t* intensity) override;
  host::HRESULT HOST_STDCALL ReadSkinInfo(const char16_t* name, int32_t nameLength,
                                          host::SkinInfoRecord* info) override;
  host::HRESULT HOST_STDCALL ApplySkin(const char16_t* name, int32_t hue,
                                       int32_t intensity) override;

  std::u16string currentSkin;
  int32_t hue = 0;
  int32_t intensity = 0;
  bool readWritesNothing = false;
  std::map<std::u16string, SkinDescription> skins;  // "" is the built-in skin
  std::set<std::u16string> refused;
  std::vector<AppliedLook> applied;
  std::vector<std::u16string> infoRequests;
  int readCurrentCalls = 0;
};

class FakeMenuService : public Counted<host::IAIMPMenuService> {
 public:
  int32_t HOST_STDCALL AddMenuItem(int32_t parent, const host::MenuItemRecord* item) override;
  host::HRESULT HOST_STDCALL Unused4() override { return host::kNotImplemented; }
  host::HRESULT HOST_STDCALL Unused5() override { return host::kNotImplemented; }
  host::HRESULT HOST_STDCALL RemoveMenuItem(int32_t handle) override;
  // Runs the callback of an item as the player does when the user picks it.
  void Pick(int32_t handle) const;

  struct Item {
    host::MenuItemRecord record;
    std::u16string caption;
    int32_t parent;
  };
  std::map<int32_t, Item> items;
  std::vector<int32_t> removed;
  int32_t nextHandle = 7;
};

class FakeCoreUnit : public Counted<host::IAIMPCoreUnit> {
 public:
  host::HRESULT HOST_STDCALL QueryInterface(const host::Guid& iid, void** object) override;
  FakeSkinsService skins;
  FakeMenuService menu;
  bool provideSkins = true;
  bool provideMenu = true;
  std::vector<host::Guid> queries;
};

}  // namespace fixture
