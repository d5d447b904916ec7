#include "bench/quiet_host.h"

#include <filesystem>
#include <fstream>

#include "core/randomiser.h"

namespace bench {

namespace {

void CopyInto(const char16_t* text, char16_t* buffer, uint32_t capacity) {
  if (!buffer || capacity == 0) return;
  uint32_t i = 0;
  for (; text[i] && i + 1 < capacity; ++i) buffer[i] = text[i];
  buffer[i] = 0;
}

// The plug-in's paths use backslashes everywhere.
std::filesystem::path NativePath(std::u16string path) {
  if (std::filesystem::path::preferred_separator != u'\\')
    for (char16_t& c : path)
      if (c == u'\\') c = u'/';
  return std::filesystem::path(path);
}

}  // namespace

host::HRESULT HOST_STDCALL QuietSkins::ReadCurrentSkin(char16_t* name, int32_t nameSize,
                                                       int32_t* hue, int32_t* intensity) {
  if (name && nameSize > 0) name[0] = 0;
  if (hue) *hue = 0;
  if (intensity) *intensity = 50;
  return host::kResultOk;
}

host::HRESULT HOST_STDCALL QuietSkins::ReadSkinInfo(const char16_t* name, int32_t nameLength,
                                                    host::SkinInfoRecord* info) {
  if (!info || !name || nameLength < 0) return -1;
  if (nameLength > 0) {
    std::ifstream in(
        NativePath(kaleidra::SkinsFolder() + std::u16string(name, static_cast<size_t>(nameLength))),
        std::ios::binary);
    char bytes[kSkinFileBytes];
    if (!in.read(bytes, sizeof bytes) && in.gcount() == 0) return -1;
  }
  CopyInto(u"Author", info->AuthorBuffer, info->AuthorBufferSize);
  CopyInto(u"A skin for measuring", info->DescriptionBuffer, info->DescriptionBufferSize);
  CopyInto(u"Skin", info->NameBuffer, info->NameBufferSize);
  info->Preview = nullptr;
  return host::kResultOk;
}

host::HRESULT HOST_STDCALL QuietCore::QueryInterface(const host::Guid& iid, void** object) {
  if (!object) return host::kInvalidPointer;
  *object = nullptr;
  if (iid == host::SID_SkinsService) {
    skins.AddRef();
    *object = static_cast<host::IAIMPSkinsService*>(&skins);
  } else if (iid == host::SID_MenuService) {
    menu.AddRef();
    *object = static_cast<host::IAIMPMenuService*>(&menu);
  }
  return *object ? host::kResultOk : host::kNoInterface;
}

}  // namespace bench
