// The plug-in interface, the skins and menu services and their records.
#pragma once

#include <cstddef>
#include <cstdint>

#include "AIMPSDKCore.h"

namespace host {

using HostBitmap = void*;  // HBITMAP on Windows; owned by the player
using HostWindow = void*;  // HWND on Windows

constexpr Guid IID_IAIMPAddonPlugin{0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
constexpr Guid SID_SkinsService{0x41494D50, 0x0033, 0x434F, {0x52, 0x45, 0, 0, 0, 0, 0, 0x19}};
constexpr Guid SID_MenuService{0x41494D50, 0x0033, 0x434F, {0x52, 0x45, 0, 0, 0, 0, 0, 0x13}};

// Sizes and lengths count UTF-16 characters.
struct SkinInfoRecord {
  uint32_t Size;  // sizeof: 32 on i686, 64 on x86_64
  char16_t* AuthorBuffer;
  uint32_t AuthorBufferSize;
  char16_t* DescriptionBuffer;
  uint32_t DescriptionBufferSize;
  char16_t* NameBuffer;
  uint32_t NameBufferSize;
  HostBitmap Preview;  // out; 0 when the skin has none
};

using MenuItemProc = void(HOST_STDCALL*)(int32_t, int32_t);

struct MenuItemRecord {
  uint32_t Size;  // sizeof: 28 on i686, 40 on x86_64
  uint32_t Reserved1;
  const char16_t* Caption;
  uint32_t Kind;
  MenuItemProc Proc;
  uint32_t ShortCut;
  uint32_t Reserved2;
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(SkinInfoRecord) == 32, "SkinInfoRecord is 32 bytes on i686");
static_assert(offsetof(SkinInfoRecord, AuthorBuffer) == 4, "layout");
static_assert(offsetof(SkinInfoRecord, AuthorBufferSize) == 8, "layout");
static_assert(offsetof(SkinInfoRecord, DescriptionBuffer) == 12, "layout");
static_assert(offsetof(SkinInfoRecord, DescriptionBufferSize) == 16, "layout");
static_assert(offsetof(SkinInfoRecord, NameBuffer) == 20, "layout");
static_assert(offsetof(SkinInfoRecord, NameBufferSize) == 24, "layout");
static_assert(offsetof(SkinInfoRecord, Preview) == 28, "layout");
static_assert(sizeof(MenuItemRecord) == 28, "MenuItemRecord is 28 bytes on i686");
static_assert(offsetof(MenuItemRecord, Caption) == 8, "layout");
static_assert(offsetof(MenuItemRecord, Kind) == 12, "layout");
static_assert(offsetof(MenuItemRecord, Proc) == 16, "layout");
static_assert(offsetof(MenuItemRecord, ShortCut) == 20, "layout");
static_assert(offsetof(MenuItemRecord, Reserved2) == 24, "layout");
#elif defined(_WIN64)
// The 64-bit twin: natural alignment, pointers and handles 64-bit, the rest 32-bit.
static_assert(sizeof(SkinInfoRecord) == 64, "SkinInfoRecord is 64 bytes on x86_64");
static_assert(offsetof(SkinInfoRecord, AuthorBuffer) == 8, "layout");
static_assert(offsetof(SkinInfoRecord, AuthorBufferSize) == 16, "layout");
static_assert(offsetof(SkinInfoRecord, DescriptionBuffer) == 24, "layout");
static_assert(offsetof(SkinInfoRecord, DescriptionBufferSize) == 32, "layout");
static_assert(offsetof(SkinInfoRecord, NameBuffer) == 40, "layout");
static_assert(offsetof(SkinInfoRecord, NameBufferSize) == 48, "layout");
static_assert(offsetof(SkinInfoRecord, Preview) == 56, "layout");
static_assert(sizeof(MenuItemRecord) == 40, "MenuItemRecord is 40 bytes on x86_64");
static_assert(offsetof(MenuItemRecord, Caption) == 8, "layout");
static_assert(offsetof(MenuItemRecord, Kind) == 16, "layout");
static_assert(offsetof(MenuItemRecord, Proc) == 24, "layout");
static_assert(offsetof(MenuItemRecord, ShortCut) == 32, "layout");
static_assert(offsetof(MenuItemRecord, Reserved2) == 36, "layout");
#endif

struct IAIMPSkinsService : IUnknownHost {
  // Slot 3. name may be null with size 0; hue and intensity may be null.
  virtual HRESULT HOST_STDCALL ReadCurrentSkin(char16_t* name, int32_t nameSize, int32_t* hue,
                                               int32_t* intensity) = 0;
  // Slot 4. An empty name with length 0 asks for the built-in skin. Negative: failure.
  virtual HRESULT HOST_STDCALL ReadSkinInfo(const char16_t* name, int32_t nameLength,
                                            SkinInfoRecord* info) = 0;
  // Slot 5.
  virtual HRESULT HOST_STDCALL ApplySkin(const char16_t* name, int32_t hue, int32_t intensity) = 0;

 protected:
  ~IAIMPSkinsService() = default;
};

struct IAIMPMenuService : IUnknownHost {
  // Slot 3: returns the item's handle.
  virtual int32_t HOST_STDCALL AddMenuItem(int32_t parent, const MenuItemRecord* item) = 0;
  // Slots 4 and 5 are not used by the plug-in.
  virtual HRESULT HOST_STDCALL Unused4() = 0;
  virtual HRESULT HOST_STDCALL Unused5() = 0;
  // Slot 6.
  virtual HRESULT HOST_STDCALL RemoveMenuItem(int32_t handle) = 0;

 protected:
  ~IAIMPMenuService() = default;
};

struct IAIMPAddonPlugin : IUnknownHost {
  virtual const char16_t* HOST_STDCALL GetPluginAuthor() = 0;
  virtual const char16_t* HOST_STDCALL GetPluginInfo() = 0;
  virtual const char16_t* HOST_STDCALL GetPluginName() = 0;
  virtual uint32_t HOST_STDCALL GetPluginFlags() = 0;
  virtual HRESULT HOST_STDCALL Initialize(IAIMPCoreUnit* coreUnit) = 0;
  virtual HRESULT HOST_STDCALL Finalize() = 0;
  virtual HRESULT HOST_STDCALL ShowSettingsDialog(HostWindow parentWindow) = 0;

 protected:
  ~IAIMPAddonPlugin() = default;
};

// A counted reference to a host interface, released when it goes.
template <class T>
class HostRef {
 public:
  HostRef() = default;
  explicit HostRef(T* adopted) : p_(adopted) {}
  HostRef(const HostRef&) = delete;
  HostRef& operator=(const HostRef&) = delete;
  HostRef(HostRef&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
  HostRef& operator=(HostRef&& o) noexcept {
    if (this != &o) {
      Reset();
      p_ = o.p_;
      o.p_ = nullptr;
    }
    return *this;
  }
  ~HostRef() { Reset(); }
  void Reset() {
    if (p_) {
      T* p = p_;
      p_ = nullptr;
      p->Release();
    }
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Out-parameter for QueryInterface; drops what was held first.
  void** Put() {
    Reset();
    return reinterpret_cast<void**>(&p_);
  }

 private:
  T* p_ = nullptr;
};

}  // namespace host
