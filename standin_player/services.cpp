#include "standin_player/services.h"

#include <algorithm>
#include <cstdio>

#include "standin_player/call_log.h"
#include "standin_player/text.h"

namespace standin {

namespace {

constexpr host::HRESULT kFail = static_cast<host::HRESULT>(0x80004005u);
constexpr size_t kMaxNameLength = 32767;

std::string Int(int64_t value) {
  return std::to_string(value);
}

std::string PointerArg(const void* p, const char* name) {
  return p ? name : "null";
}

// Copies as much of text as fits, always terminated when there is room at all.
void CopyInto(char16_t* buffer, uint32_t size, const std::wstring& text) {
  if (!buffer || size == 0) return;
  const size_t n = std::min<size_t>(text.size(), size - 1);
  std::copy_n(text.data(), n, reinterpret_cast<wchar_t*>(buffer));
  buffer[n] = u'\0';
}

}  // namespace

std::string GuidName(const host::Guid& id) {
  if (id == host::SID_SkinsService) return "SkinsService";
  if (id == host::SID_MenuService) return "MenuService";
  if (id == host::IID_IUnknown) return "IUnknown";
  char buf[48];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(id.Data1), id.Data2, id.Data3, id.Data4[0], id.Data4[1],
                id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6], id.Data4[7]);
  return buf;
}

uint32_t Counted::CountUp() {
  ++count_;
  Log().Line(std::string(name_) + ".AddRef -> " + Int(count_));
  return count_;
}

uint32_t Counted::CountDown() {
  // The stand-in's own reference is never given away.
  if (count_ <= 1) {
    Log().Problem(std::string(name_) + ".Release without a reference");
    return count_;
  }
  --count_;
  Log().Line(std::string(name_) + ".Release -> " + Int(count_));
  return count_;
}

host::HRESULT Counted::AnswerQuery(const host::Guid& iid, void** object, const host::Guid& own,
                                   void* self) {
  host::HRESULT result = host::kNoInterface;
  if (!object) {
    result = host::kInvalidPointer;
  } else if (iid == own || iid == host::IID_IUnknown) {
    *object = self;
    ++count_;
    result = host::kResultOk;
  } else {
    *object = nullptr;
  }
  Log().Line(std::string(name_) + ".QueryInterface(" + GuidName(iid) + ") -> " + Int(result) +
             " refs=" + Int(count_));
  return result;
}

host::HRESULT HOST_STDCALL SkinsService::QueryInterface(const host::Guid& iid, void** object) {
  return AnswerQuery(iid, object, host::SID_SkinsService,
                     static_cast<host::IAIMPSkinsService*>(this));
}

host::HRESULT HOST_STDCALL SkinsService::ReadCurrentSkin(char16_t* name, int32_t nameSize,
                                                         int32_t* hue, int32_t* intensity) {
  std::string out;
  if (writesNothing_) {
    out = " wrote=nothing";
  } else {
    if (name && nameSize > 0) {
      CopyInto(name, static_cast<uint32_t>(nameSize), look_.skin);
      out += " name=" + Quoted(BoundedText(Wide(name), static_cast<size_t>(nameSize)));
    }
    if (hue) {
      *hue = look_.hue;
      out += " hue=" + Int(look_.hue);
    }
    if (intensity) {
      *intensity = look_.intensity;
      out += " intensity=" + Int(look_.intensity);
    }
  }
  Log().Line("ReadCurrentSkin(" + PointerArg(name, "buf") + "," + Int(nameSize) + "," +
             PointerArg(hue, "hue") + "," + PointerArg(intensity, "intensity") + ") -> 0" + out);
  return host::kResultOk;
}

host::HRESULT HOST_STDCALL SkinsService::ReadSkinInfo(const char16_t* name, int32_t nameLength,
                                                      host::SkinInfoRecord* info) {
  const bool badName = !name || nameLength < 0;
  const std::wstring skin =
      badName ? std::wstring() : BoundedText(Wide(name), static_cast<size_t>(nameLength));
  std::string call = "ReadSkinInfo(" + (badName ? std::string("null") : Quoted(skin)) + "," +
                     Int(nameLength) + ",";
  if (!info) {
    Log().Line(call + "null) -> " + Int(host::kInvalidPointer));
    return host::kInvalidPointer;
  }
  call += "{size=" + Int(info->Size) + ",author=" + Int(info->AuthorBufferSize) +
          ",description=" + Int(info->DescriptionBufferSize) +
          ",name=" + Int(info->NameBufferSize) + "}) -> ";
  const SkinCatalog::Entry* entry = nullptr;
  if (!badName && info->Size >= sizeof(host::SkinInfoRecord)) entry = catalog_.Find(skin);
  if (!entry) {
    Log().Line(call + Int(kFail));
    return kFail;
  }
  CopyInto(info->AuthorBuffer, info->AuthorBufferSize, entry->text.author);
  CopyInto(info->DescriptionBuffer, info->DescriptionBufferSize, entry->text.description);
  CopyInto(info->NameBuffer, info->NameBufferSize, entry->text.name);
  info->Preview = entry->preview.Get();
  Log().Line(call + "0 preview=" + (entry->preview ? "1" : "0"));
  return host::kResultOk;
}

host::HRESULT HOST_STDCALL SkinsService::ApplySkin(const char16_t* name, int32_t hue,
                                                   int32_t intensity) {
  const std::string args = "," + Int(hue) + "," + Int(intensity) + ") -> ";
  if (!name) {
    Log().Line("ApplySkin(null" + args + Int(host::kInvalidPointer));
    return host::kInvalidPointer;
  }
  const std::wstring skin = BoundedText(Wide(name), kMaxNameLength);
  if (!catalog_.Exists(skin)) {
    Log().Line("ApplySkin(" + Quoted(skin) + args + Int(kFail));
    return kFail;
  }
  look_ = Look{skin, hue, intensity};
  Log().Line("ApplySkin(" + Quoted(skin) + args + "0");
  if (onChange_) onChange_();
  return host::kResultOk;
}

HBITMAP SkinsService::CurrentPreview() const {
  const SkinCatalog::Entry* entry = catalog_.Find(look_.skin);
  return entry ? entry->preview.Get() : nullptr;
}

host::HRESULT HOST_STDCALL MenuService::QueryInterface(const host::Guid& iid, void** object) {
  return AnswerQuery(iid, object, host::SID_MenuService,
                     static_cast<host::IAIMPMenuService*>(this));
}

int32_t HOST_STDCALL MenuService::AddMenuItem(int32_t parent, const host::MenuItemRecord* item) {
  const std::string call = "AddMenuItem(" + Int(parent) + ",";
  if (!item) {
    Log().Line(call + "null) -> 0");
    return 0;
  }
  std::string record = "{size=" + Int(item->Size);
  if (item->Size < sizeof(host::MenuItemRecord)) {
    Log().Line(call + record + "}) -> 0");
    return 0;
  }
  Item added;
  added.caption = item->Caption ? BoundedText(Wide(item->Caption), kMaxNameLength) : L"";
  added.kind = item->Kind;
  added.shortCut = item->ShortCut;
  added.proc = item->Proc;
  lastProc_ = item->Proc;
  record += ",reserved1=" + Int(item->Reserved1) +
            ",caption=" + QuotedOrNull(Wide(item->Caption), kMaxNameLength) +
            ",kind=" + Int(item->Kind) + ",proc=" + (item->Proc ? "set" : "null") +
            ",shortcut=" + Hex(item->ShortCut) + ",reserved2=" + Int(item->Reserved2) + "}";
  const int32_t handle = nextHandle_++;
  items_.emplace(handle, std::move(added));
  Log().Line(call + record + ") -> " + Int(handle));
  if (onChange_) onChange_();
  return handle;
}

host::HRESULT HOST_STDCALL MenuService::Unused4() {
  Log().Line("MenuService.Unused4 -> " + Int(host::kNotImplemented));
  return host::kNotImplemented;
}

host::HRESULT HOST_STDCALL MenuService::Unused5() {
  Log().Line("MenuService.Unused5 -> " + Int(host::kNotImplemented));
  return host::kNotImplemented;
}

host::HRESULT HOST_STDCALL MenuService::RemoveMenuItem(int32_t handle) {
  const bool known = items_.erase(handle) > 0;
  Log().Line("RemoveMenuItem(" + Int(handle) + ") -> " + Int(known ? 0 : kFail));
  if (known && onChange_) onChange_();
  return known ? host::kResultOk : kFail;
}

host::HRESULT HOST_STDCALL CoreUnit::QueryInterface(const host::Guid& iid, void** object) {
  if (iid == host::IID_IUnknown)
    return AnswerQuery(iid, object, iid, static_cast<host::IAIMPCoreUnit*>(this));
  void* service = nullptr;
  Counted* counted = nullptr;
  if (iid == host::SID_SkinsService && skins_) {
    service = static_cast<host::IAIMPSkinsService*>(skins_);
    counted = skins_;
  } else if (iid == host::SID_MenuService && menu_) {
    service = static_cast<host::IAIMPMenuService*>(menu_);
    counted = menu_;
  }
  host::HRESULT result = service ? host::kResultOk : host::kNoInterface;
  if (!object) {
    result = host::kInvalidPointer;
  } else {
    *object = service;
    if (counted) counted->Grant();
  }
  Log().Line("CoreUnit.QueryInterface(" + GuidName(iid) + ") -> " + Int(result) +
             (counted && object ? " refs=" + Int(counted->References()) : std::string()));
  return result;
}

}  // namespace standin
