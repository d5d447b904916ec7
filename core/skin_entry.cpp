#include "skin_entry.h"

#include <algorithm>

#include "core/msaver.h"
#include "platform/message_box.h"
#include "platform/text.h"

namespace msaver {

namespace {

void ShowBuiltInSkinError() {
  platform::MessageBoxCall call;
  call.text = u"Error";
  call.flags = platform::kMbOk;
  platform::ShowMessageBox(call);
}

// The service may fill a buffer to the last character; the entry keeps a NUL.
void Terminate(SkinEntry& entry) {
  for (char16_t* field : {entry.Author, entry.Name, entry.Description, entry.FileName})
    field[kSkinTextCapacity - 1] = 0;
}

bool IsReservedInFileName(char16_t c) {
  switch (c) {
    case u'\\':
    case u'/':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
      return true;
    default:
      return c < 0x20;
  }
}

}  // namespace

void SkinItemVector::CopyFrom(const SkinItems& other) {
  std::vector<Item> copy;
  copy.reserve(static_cast<size_t>(other.Count()));
  for (int i = 0; i < other.Count(); ++i) copy.push_back(Item{other.Text(i), other.Entry(i)});
  items_ = std::move(copy);
}

bool IsSkinFileName(std::u16string_view name) {
  if (name.empty()) return true;
  if (name.size() >= kSkinTextCapacity || name == u"." || name == u"..") return false;
  return std::none_of(name.begin(), name.end(), IsReservedInFileName);
}

SkinEntryRef CreateSkinEntry(host::IAIMPSkinsService* service, std::u16string_view name) {
  if (!IsSkinFileName(name)) return nullptr;
  auto entry = std::make_shared<SkinEntry>();
  // The service writes straight into the entry's fields.
  host::SkinInfoRecord info{};
  info.Size = sizeof(host::SkinInfoRecord);
  info.AuthorBuffer = entry->Author;
  info.AuthorBufferSize = kSkinTextCapacity;
  info.DescriptionBuffer = entry->Description;
  info.DescriptionBufferSize = kSkinTextCapacity;
  info.NameBuffer = entry->Name;
  info.NameBufferSize = kSkinTextCapacity;

  char16_t nameBuffer[kSkinTextCapacity];
  *std::copy(name.begin(), name.end(), nameBuffer) = 0;
  const int32_t length = static_cast<int32_t>(name.size());
  const bool read = service && service->ReadSkinInfo(nameBuffer, length, &info) >= 0;
  if (!read) {
    if (!name.empty()) return nullptr;
    ShowBuiltInSkinError();
  }
  entry->Preview = info.Preview;
  Terminate(*entry);
  return entry;
}

void AddSkinItem(SkinItems& items, const std::u16string& name, SkinEntryCache* made) {
  if (made) {
    const auto found = made->find(name);
    if (found != made->end()) {
      items.Append(kSkinItemText, found->second);
      return;
    }
  }
  SkinEntryRef entry = CreateSkinEntry(SkinsService.Get(), name);
  if (entry) std::copy(name.begin(), name.end(), entry->FileName);
  if (made) made->emplace(name, entry);
  items.Append(kSkinItemText, std::move(entry));
}

std::u16string EntryText(const char16_t (&field)[kSkinTextCapacity]) {
  return platform::FromBuffer(field, kSkinTextCapacity);
}

}  // namespace msaver
