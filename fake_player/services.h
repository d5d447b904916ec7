// One fake player: the core unit and the skins and menu services the plug-in
// talks to. They keep a record of the calls for tests to read, tell an
// optional observer about each call, and find skins either in a table filled
// in by a test or in a source of their own, such as the stand-in's Skins folder.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fake_player/call_observer.h"
#include "fake_player/counted.h"
#include "host/AIMPSDKAddons.h"

namespace fake_player {

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

// Where a skins service finds its skins in place of its own table.
class SkinSource {
 public:
  // False when there is no such skin or the player refuses to describe it.
  virtual bool Describe(const std::u16string& name, SkinDescription* description) = 0;
  virtual bool CanApply(const std::u16string& name) = 0;

 protected:
  ~SkinSource() = default;
};

class SkinsService : public Counted<host::IAIMPSkinsService> {
 public:
  explicit SkinsService(uint32_t ownReferences = 0)
      : Counted("SkinsService", host::SID_SkinsService, ownReferences) {}

  host::HRESULT HOST_STDCALL ReadCurrentSkin(char16_t* name, int32_t nameSize, int32_t* hue,
                                             int32_t* intensity) override;
  host::HRESULT HOST_STDCALL ReadSkinInfo(const char16_t* name, int32_t nameLength,
                                          host::SkinInfoRecord* info) override;
  host::HRESULT HOST_STDCALL ApplySkin(const char16_t* name, int32_t hue,
                                       int32_t intensity) override;

  // Skins then come from source, not from the table below.
  void DescribeFrom(SkinSource* source) { source_ = source; }
  // The current skin's preview, or null; asks the source, records no call.
  host::HostBitmap CurrentPreview() const;
  // For a long session whose calls are logged: a record would grow with every call.
  void KeepNoRecord() { keepRecord_ = false; }

  // The current look; "" is the built-in skin.
  std::u16string currentSkin;
  int32_t hue = 0;
  int32_t intensity = 0;
  // ReadCurrentSkin answers with success but fills in nothing.
  bool readWritesNothing = false;
  // The table: every skin in it is described unless refused, and any name is applied.
  std::map<std::u16string, SkinDescription> skins;  // "" is the built-in skin
  std::set<std::u16string> refused;
  // The record of calls.
  std::vector<AppliedLook> applied;  // the looks taken, in order
  std::vector<std::u16string> infoRequests;
  int readCurrentCalls = 0;

 private:
  bool Describe(const std::u16string& name, SkinDescription* description) const;
  bool CanApply(const std::u16string& name) const;

  SkinSource* source_ = nullptr;
  bool keepRecord_ = true;
};

class MenuService : public Counted<host::IAIMPMenuService> {
 public:
  explicit MenuService(uint32_t ownReferences = 0)
      : Counted("MenuService", host::SID_MenuService, ownReferences) {}

  int32_t HOST_STDCALL AddMenuItem(int32_t parent, const host::MenuItemRecord* item) override;
  host::HRESULT HOST_STDCALL Unused4() override;
  host::HRESULT HOST_STDCALL Unused5() override;
  host::HRESULT HOST_STDCALL RemoveMenuItem(int32_t handle) override;
  // Runs the callback of an item as the player does when the user picks it.
  void Pick(int32_t handle) const;
  void KeepNoRecord() { keepRecord_ = false; }

  struct Item {
    host::MenuItemRecord record;  // its Caption points into the plug-in: read caption
    std::u16string caption;
    int32_t parent;
  };
  std::map<int32_t, Item> items;
  // The callback of the item added last, kept after its removal: a player may
  // still hold a command for it in its queue.
  host::MenuItemProc lastProc = nullptr;
  std::vector<int32_t> removed;  // every handle asked to be removed
  int32_t nextHandle = 7;

 private:
  host::HRESULT Unused(const char* method) const;

  bool keepRecord_ = true;
};

class CoreUnit : public Counted<host::IAIMPCoreUnit> {
 public:
  // ownReferences: what the player keeps on each of the three objects.
  explicit CoreUnit(uint32_t ownReferences = 0)
      : Counted("CoreUnit", host::IID_IUnknown, ownReferences),
        skins(ownReferences),
        menu(ownReferences) {}

  host::HRESULT HOST_STDCALL QueryInterface(const host::Guid& iid, void** object) override;
  // Tells observer about every call to the three objects.
  void Watch(CallObserver* observer);
  // None of the three keeps a record of calls.
  void KeepNoRecord();

  SkinsService skins;
  MenuService menu;
  // A service withheld answers kNoInterface.
  bool provideSkins = true;
  bool provideMenu = true;
  std::vector<host::Guid> queries;

 private:
  bool keepRecord_ = true;
};

}  // namespace fake_player
