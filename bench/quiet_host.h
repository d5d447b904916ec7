// A player that remembers nothing, so a benchmark measures the plug-in's own
// work. It reads a skin's file when asked about the skin, the least any player
// must do to answer: a host answering at once would compare the plug-in's
// whole start (windows, banner, files) with nothing at all.
#pragma once

#include "fake_player/counted.h"
#include "host/AIMPSDKAddons.h"

namespace bench {

// The size of the bench's skin files.
constexpr int kSkinFileBytes = 4096;

class QuietSkins : public fake_player::Counted<host::IAIMPSkinsService> {
 public:
  QuietSkins() : Counted("SkinsService", host::SID_SkinsService) {}
  host::HRESULT HOST_STDCALL ReadCurrentSkin(char16_t* name, int32_t nameSize, int32_t* hue,
                                             int32_t* intensity) override;
  // Reads the skin's file from the Skins folder; every skin then has the same
  // short texts and no preview.
  host::HRESULT HOST_STDCALL ReadSkinInfo(const char16_t* name, int32_t nameLength,
                                          host::SkinInfoRecord* info) override;
  host::HRESULT HOST_STDCALL ApplySkin(const char16_t*, int32_t, int32_t) override {
    return host::kResultOk;
  }
};

class QuietMenu : public fake_player::Counted<host::IAIMPMenuService> {
 public:
  QuietMenu() : Counted("MenuService", host::SID_MenuService) {}
  int32_t HOST_STDCALL AddMenuItem(int32_t, const host::MenuItemRecord*) override { return 1; }
  host::HRESULT HOST_STDCALL Unused4() override { return host::kNotImplemented; }
  host::HRESULT HOST_STDCALL Unused5() override { return host::kNotImplemented; }
  host::HRESULT HOST_STDCALL RemoveMenuItem(int32_t) override { return host::kResultOk; }
};

class QuietCore : public fake_player::Counted<host::IAIMPCoreUnit> {
 public:
  QuietCore() : Counted("CoreUnit", host::IID_IUnknown) {}
  host::HRESULT HOST_STDCALL QueryInterface(const host::Guid& iid, void** object) override;
  QuietSkins skins;
  QuietMenu menu;
};

}  // namespace bench
