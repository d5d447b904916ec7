#include "fake_host.h"

#include <algorithm>

#include "platform/text.h"

namespace fixture {

namespace {

void CopyInto(const std::u16string& text, char16_t* buffer, uint32_t capacity) {
  if (!buffer || capacity == 0) return;
  const size_t n = std::min<size_t>(text.size(), capacity - 1);
  std::copy_n(text.data(), n, buffer);
  buffer[n] = 0;
}

}  // namespace

host::HRESULT HOST_STDCALL FakeSkinsService::ReadCurrentSkin(char16_t* name, int32_t nameSize,
                                                             int32_t* hueOut,
                                                             int32_t* intensityOut) {
  ++readCurrentCalls;
  if (readWritesNothing) return host::kResultOk;
  if (name && nameSize > 0) CopyInto(currentSkin, name, static_cast<uint32_t>(nameSize));
  if (hueOut) *hueOut = hue;
  if (intensityOut) *intensityOut = intensity;
  return host::kResultOk;
}

host::HRESULT HOST_STDCALL FakeSkinsService::ReadSkinInfo(const char16_t* name, int32_t nameLength,
                                                          host::SkinInfoRecord* info) {
  const std::u16string key =
      name ? std::u16string(name, static_cast<size_t>(std::max(nameLength, 0))) : u"";
  infoRequests.push_back(key);
  if (refused.count(key) || !info) return -1;
  const auto found = skins.find(key);
  if (found == skins.end()) return -1;
  CopyInto(found->second.author, info->AuthorBuffer, info->AuthorBufferSize);
  CopyInto(found->second.description, info->DescriptionBuffer, info->DescriptionBufferSize);
  CopyInto(found->second.name, info->NameBuffer, info->NameBufferSize);
  info->Preview = found->second.preview;
  return host::kResultOk;
}

host::HRESULT HOST_STDCALL FakeSkinsService::ApplySkin(const char16_t* name, int32_t hueIn,
                                                       int32_t intensityIn) {
  applied.push_back({name ? std::u16string(name) : u"", hueIn, intensityIn});
  currentSkin = applied.back().skin;
  hue = hueIn;
  intensity = intensityIn;
  return host::kResultOk;
}

int32_t HOST_STDCALL FakeMenuService::AddMenuItem(int32_t parent,
                                                  const host::MenuItemRecord* item) {
  const int32_t handle = nextHandle++;
  items[handle] = {*item, item->Caption ? std::u16string(item->Caption) : u"", parent};
  return handle;
}

host::HRESULT HOST_STDCALL FakeMenuService::RemoveMenuItem(int32_t handle) {
  removed.push_back(handle);
  items.erase(handle);
  return host::kResultOk;
}

void FakeMenuService::Pick(int32_t handle) const {
  const auto found = items.find(handle);
  if (found != items.end() && found->second.record.Proc) found->second.record.Proc(0, 0);
}

host::HRESULT HOST_STDCALL FakeCoreUnit::QueryInterface(const host::Guid& iid, void** object) {
  queries.push_back(iid);
  if (!object) return host::kInvalidPointer;
  *object = nullptr;
  if (iid == host::SID_SkinsService && provideSkins) {
    skins.AddRef();
    *object = static_cast<host::IAIMPSkinsService*>(&skins);
    return host::kResultOk;
  }
  if (iid == host::SID_MenuService && provideMenu) {
    menu.AddRef();
    *object = static_cast<host::IAIMPMenuService*>(&menu);
    return host::kResultOk;
  }
  return host::kNoInterface;
}

}  // namespace fixture
