#include "standin_player/service_log.h"

#include <cstdio>

#include "standin_player/call_log.h"
#include "standin_player/text.h"
#include "standin_player/win_handles.h"

namespace standin {

namespace {

constexpr size_t kMaxNameLength = 32767;

std::string Int(int64_t value) {
  return std::to_string(value);
}

std::string PointerArg(const void* p, const char* name) {
  return p ? name : "null";
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

void ServiceLog::AddRefCalled(const char* object, uint32_t count) {
  Log().Line(std::string(object) + ".AddRef -> " + Int(count));
}

void ServiceLog::ReleaseCalled(const char* object, bool held, uint32_t count) {
  // The stand-in's own reference is never given away.
  if (!held) {
    Log().Problem(std::string(object) + ".Release without a reference");
    return;
  }
  Log().Line(std::string(object) + ".Release -> " + Int(count));
}

void ServiceLog::QueryAnswered(const char* object, const host::Guid& iid, host::HRESULT result,
                               uint32_t count) {
  Log().Line(std::string(object) + ".QueryInterface(" + GuidName(iid) + ") -> " + Int(result) +
             " refs=" + Int(count));
}

void ServiceLog::ServiceQueried(const host::Guid& iid, host::HRESULT result,
                                const uint32_t* serviceCount) {
  Log().Line("CoreUnit.QueryInterface(" + GuidName(iid) + ") -> " + Int(result) +
             (serviceCount ? " refs=" + Int(*serviceCount) : std::string()));
}

void ServiceLog::CurrentSkinRead(const char16_t* name, int32_t nameSize, const int32_t* hue,
                                 const int32_t* intensity, bool wrote) {
  std::string out;
  if (!wrote) {
    out = " wrote=nothing";
  } else {
    if (name && nameSize > 0)
      out += " name=" + Quoted(BoundedText(Wide(name), static_cast<size_t>(nameSize)));
    if (hue) out += " hue=" + Int(*hue);
    if (intensity) out += " intensity=" + Int(*intensity);
  }
  Log().Line("ReadCurrentSkin(" + PointerArg(name, "buf") + "," + Int(nameSize) + "," +
             PointerArg(hue, "hue") + "," + PointerArg(intensity, "intensity") + ") -> 0" + out);
}

void ServiceLog::SkinInfoRead(const std::u16string* skin, int32_t nameLength,
                              const host::SkinInfoRecord* info, host::HRESULT result) {
  std::string call = "ReadSkinInfo(" + (skin ? Quoted(WideText(*skin)) : std::string("null")) +
                     "," + Int(nameLength) + ",";
  if (!info) {
    Log().Line(call + "null) -> " + Int(result));
    return;
  }
  call += "{size=" + Int(info->Size) + ",author=" + Int(info->AuthorBufferSize) +
          ",description=" + Int(info->DescriptionBufferSize) +
          ",name=" + Int(info->NameBufferSize) + "}) -> ";
  if (result != host::kResultOk) {
    Log().Line(call + Int(result));
    return;
  }
  Log().Line(call + "0 preview=" + (info->Preview ? "1" : "0"));
}

void ServiceLog::SkinApplied(const std::u16string* skin, int32_t hue, int32_t intensity,
                             host::HRESULT result) {
  Log().Line("ApplySkin(" + (skin ? Quoted(WideText(*skin)) : std::string("null")) + "," +
             Int(hue) + "," + Int(intensity) + ") -> " + Int(result));
  if (result == host::kResultOk && onLookChange_) onLookChange_();
}

void ServiceLog::MenuItemAdded(int32_t parent, const host::MenuItemRecord* item, int32_t handle) {
  const std::string call = "AddMenuItem(" + Int(parent) + ",";
  if (!item) {
    Log().Line(call + "null) -> 0");
    return;
  }
  std::string record = "{size=" + Int(item->Size);
  if (item->Size < sizeof(host::MenuItemRecord)) {
    Log().Line(call + record + "}) -> 0");
    return;
  }
  record += ",reserved1=" + Int(item->Reserved1) +
            ",caption=" + QuotedOrNull(Wide(item->Caption), kMaxNameLength) +
            ",kind=" + Int(item->Kind) + ",proc=" + (item->Proc ? "set" : "null") +
            ",shortcut=" + Hex(item->ShortCut) + ",reserved2=" + Int(item->Reserved2) + "}";
  Log().Line(call + record + ") -> " + Int(handle));
  if (onMenuChange_) onMenuChange_();
}

void ServiceLog::UnusedCalled(const char* method, host::HRESULT result) {
  Log().Line(std::string(method) + " -> " + Int(result));
}

void ServiceLog::MenuItemRemoved(int32_t handle, host::HRESULT result) {
  Log().Line("RemoveMenuItem(" + Int(handle) + ") -> " + Int(result));
  if (result == host::kResultOk && onMenuChange_) onMenuChange_();
}

}  // namespace standin
