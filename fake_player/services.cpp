#include "fake_player/services.h"

#include <algorithm>

#include "platform/text.h"

namespace fake_player {

namespace {

constexpr host::HRESULT kFail = static_cast<host::HRESULT>(0x80004005u);
constexpr size_t kMaxNameLength = 32767;

// Copies as much of text as fits, always terminated when there is room at all.
void CopyInto(const std::u16string& text, char16_t* buffer, uint32_t capacity) {
  if (!buffer || capacity == 0) return;
  const size_t n = std::min<size_t>(text.size(), capacity - 1);
  std::copy_n(text.data(), n, buffer);
  buffer[n] = 0;
}

}  // namespace

host::HRESULT HOST_STDCALL SkinsService::ReadCurrentSkin(char16_t* name, int32_t nameSize,
                                                         int32_t* hueOut, int32_t* intensityOut) {
  ++readCurrentCalls;
  if (!readWritesNothing) {
    if (name && nameSize > 0) CopyInto(currentSkin, name, static_cast<uint32_t>(nameSize));
    if (hueOut) *hueOut = hue;
    if (intensityOut) *intensityOut = intensity;
  }
  if (CallObserver* observer = Observer())
    observer->CurrentSkinRead(name, nameSize, hueOut, intensityOut, !readWritesNothing);
  return host::kResultOk;
}

host::HRESULT HOST_STDCALL SkinsService::ReadSkinInfo(const char16_t* name, int32_t nameLength,
                                                      host::SkinInfoRecord* info) {
  const bool badName = !name || nameLength < 0;
  const std::u16string skin =
      badName ? std::u16string() : platform::FromBuffer(name, static_cast<size_t>(nameLength));
  if (keepRecord_) infoRequests.push_back(skin);
  host::HRESULT result = kFail;
  SkinDescription found;
  if (!info) {
    result = host::kInvalidPointer;
  } else if (!badName && info->Size >= sizeof(host::SkinInfoRecord) && Describe(skin, &found)) {
    CopyInto(found.author, info->AuthorBuffer, info->AuthorBufferSize);
    CopyInto(found.description, info->DescriptionBuffer, info->DescriptionBufferSize);
    CopyInto(found.name, info->NameBuffer, info->NameBufferSize);
    info->Preview = found.preview;
    result = host::kResultOk;
  }
  if (CallObserver* observer = Observer())
    observer->SkinInfoRead(badName ? nullptr : &skin, nameLength, info, result);
  return result;
}

host::HRESULT HOST_STDCALL SkinsService::ApplySkin(const char16_t* name, int32_t hueIn,
                                                   int32_t intensityIn) {
  const std::u16string skin = platform::FromBuffer(name, kMaxNameLength);
  host::HRESULT result = host::kInvalidPointer;
  if (name) result = CanApply(skin) ? host::kResultOk : kFail;
  if (result == host::kResultOk) {
    if (keepRecord_) applied.push_back({skin, hueIn, intensityIn});
    currentSkin = skin;
    hue = hueIn;
    intensity = intensityIn;
  }
  if (CallObserver* observer = Observer())
    observer->SkinApplied(name ? &skin : nullptr, hueIn, intensityIn, result);
  return result;
}

host::HostBitmap SkinsService::CurrentPreview() const {
  SkinDescription current;
  return Describe(currentSkin, &current) ? current.preview : nullptr;
}

bool SkinsService::Describe(const std::u16string& name, SkinDescription* description) const {
  if (source_) return source_->Describe(name, description);
  const auto found = skins.find(name);
  if (refused.count(name) || found == skins.end()) return false;
  *description = found->second;
  return true;
}

bool SkinsService::CanApply(const std::u16string& name) const {
  return !source_ || source_->CanApply(name);
}

int32_t HOST_STDCALL MenuService::AddMenuItem(int32_t parent, const host::MenuItemRecord* item) {
  int32_t handle = 0;
  if (item && item->Size >= sizeof(host::MenuItemRecord)) {
    handle = nextHandle++;
    items[handle] = {*item, platform::FromBuffer(item->Caption, kMaxNameLength), parent};
    lastProc = item->Proc;
  }
  if (CallObserver* observer = Observer()) observer->MenuItemAdded(parent, item, handle);
  return handle;
}

host::HRESULT HOST_STDCALL MenuService::Unused4() {
  return Unused("MenuService.Unused4");
}

host::HRESULT HOST_STDCALL MenuService::Unused5() {
  return Unused("MenuService.Unused5");
}

host::HRESULT MenuService::Unused(const char* method) const {
  if (CallObserver* observer = Observer()) observer->UnusedCalled(method, host::kNotImplemented);
  return host::kNotImplemented;
}

host::HRESULT HOST_STDCALL MenuService::RemoveMenuItem(int32_t handle) {
  if (keepRecord_) removed.push_back(handle);
  const host::HRESULT result = items.erase(handle) > 0 ? host::kResultOk : kFail;
  if (CallObserver* observer = Observer()) observer->MenuItemRemoved(handle, result);
  return result;
}

void MenuService::Pick(int32_t handle) const {
  const auto found = items.find(handle);
  if (found != items.end() && found->second.record.Proc) found->second.record.Proc(0, 0);
}

host::HRESULT HOST_STDCALL CoreUnit::QueryInterface(const host::Guid& iid, void** object) {
  if (keepRecord_) queries.push_back(iid);
  if (iid == host::IID_IUnknown) return Counted::QueryInterface(iid, object);
  void* service = nullptr;
  ReferenceCount* counted = nullptr;
  if (iid == host::SID_SkinsService && provideSkins) {
    service = static_cast<host::IAIMPSkinsService*>(&skins);
    counted = &skins;
  } else if (iid == host::SID_MenuService && provideMenu) {
    service = static_cast<host::IAIMPMenuService*>(&menu);
    counted = &menu;
  }
  host::HRESULT result = service ? host::kResultOk : host::kNoInterface;
  uint32_t count = 0;
  if (!object) {
    result = host::kInvalidPointer;
    counted = nullptr;
  } else {
    *object = service;
    if (counted) {
      counted->Grant();
      count = counted->References();
    }
  }
  if (CallObserver* observer = Observer())
    observer->ServiceQueried(iid, result, counted ? &count : nullptr);
  return result;
}

void CoreUnit::Watch(CallObserver* observer) {
  ReferenceCount::Watch(observer);
  skins.Watch(observer);
  menu.Watch(observer);
}

void CoreUnit::KeepNoRecord() {
  keepRecord_ = false;
  skins.KeepNoRecord();
  menu.KeepNoRecord();
}

}  // namespace fake_player
