// The player side the plug-in talks to: the core unit and the skins and menu
// services. Every call the plug-in makes is logged with its arguments and result.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "host/AIMPSDKAddons.h"
#include "standin_player/skin_catalog.h"

namespace standin {

struct Look {
  std::wstring skin;  // empty: the built-in skin
  int32_t hue = 0;
  int32_t intensity = 0;
};

// Reference counting shared by the three objects. They live as long as the
// process; the stand-in's own reference keeps the count at 1 or more.
class Counted {
 public:
  explicit Counted(const char* name) : name_(name) {}
  uint32_t References() const { return count_; }
  // A reference handed out by the player itself, not asked for by AddRef.
  void Grant() { ++count_; }

 protected:
  uint32_t CountUp();
  uint32_t CountDown();
  host::HRESULT AnswerQuery(const host::Guid& iid, void** object, const host::Guid& own,
                            void* self);
  const char* name_;

 private:
  uint32_t count_ = 1;
};

class SkinsService final : public host::IAIMPSkinsService, public Counted {
 public:
  SkinsService(SkinCatalog& catalog, Look initial)
      : Counted("SkinsService"), catalog_(catalog), look_(std::move(initial)) {}

  host::HRESULT HOST_STDCALL QueryInterface(const host::Guid& iid, void** object) override;
  uint32_t HOST_STDCALL AddRef() override { return CountUp(); }
  uint32_t HOST_STDCALL Release() override { return CountDown(); }
  host::HRESULT HOST_STDCALL ReadCurrentSkin(char16_t* name, int32_t nameSize, int32_t* hue,
                                             int32_t* intensity) override;
  host::HRESULT HOST_STDCALL ReadSkinInfo(const char16_t* name, int32_t nameLength,
                                          host::SkinInfoRecord* info) override;
  host::HRESULT HOST_STDCALL ApplySkin(const char16_t* name, int32_t hue,
                                       int32_t intensity) override;

  const Look& Current() const { return look_; }
  // The current skin's preview, or null.
  HBITMAP CurrentPreview() const;
  void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
  // A player that answers ReadCurrentSkin with success but fills in nothing.
  void WriteNothingOnRead() { writesNothing_ = true; }

 private:
  SkinCatalog& catalog_;
  Look look_;
  bool writesNothing_ = false;
  std::function<void()> onChange_;
};

class MenuService final : public host::IAIMPMenuService, public Counted {
 public:
  struct Item {
    std::wstring caption;
    uint32_t kind = 0;
    uint32_t shortCut = 0;
    host::MenuItemProc proc = nullptr;
  };

  explicit MenuService(int32_t firstHandle) : Counted("MenuService"), nextHandle_(firstHandle) {}

  host::HRESULT HOST_STDCALL QueryInterface(const host::Guid& iid, void** object) override;
  uint32_t HOST_STDCALL AddRef() override { return CountUp(); }
  uint32_t HOST_STDCALL Release() override { return CountDown(); }
  int32_t HOST_STDCALL AddMenuItem(int32_t parent, const host::MenuItemRecord* item) override;
  host::HRESULT HOST_STDCALL Unused4() override;
  host::HRESULT HOST_STDCALL Unused5() override;
  host::HRESULT HOST_STDCALL RemoveMenuItem(int32_t handle) override;

  const std::map<int32_t, Item>& Items() const { return items_; }
  // The callback of the item added last, kept after its removal: a player may
  // still hold a command for it in its queue.
  host::MenuItemProc LastProc() const { return lastProc_; }
  void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

 private:
  std::map<int32_t, Item> items_;
  host::MenuItemProc lastProc_ = nullptr;
  int32_t nextHandle_;
  std::function<void()> onChange_;
};

class CoreUnit final : public host::IAIMPCoreUnit, public Counted {
 public:
  // A null service is withheld: asking for it gives kNoInterface.
  CoreUnit(SkinsService* skins, MenuService* menu)
      : Counted("CoreUnit"), skins_(skins), menu_(menu) {}

  host::HRESULT HOST_STDCALL QueryInterface(const host::Guid& iid, void** object) override;
  uint32_t HOST_STDCALL AddRef() override { return CountUp(); }
  uint32_t HOST_STDCALL Release() override { return CountDown(); }

 private:
  SkinsService* skins_;
  MenuService* menu_;
};

std::string GuidName(const host::Guid& id);

}  // namespace standin
