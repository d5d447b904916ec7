#include "skin_entry.h"

#include <algorithm>

#include "core/randomiser.h"
#include "platform/message_box.h"
#include "platform/text.h"

namespace kaleidra {

namespace {

void ShowBuiltInSkinError() {
  platform::MessageBoxCall call;
  call.text = u"Error";
  call.flags = platform::kMbOk;
  platform::ShowMessageBox(call);
}

// The cleared buffers the service writes a skin's texts into.
struct InfoBuffers {
  char16_t author[kSkinTextCapacity] = {};
  char16_t description[kSkinTextCapacity] = {};
  char16_t name[kSkinTextCapacity] = {};
};

// The service may fill a buffer to the last character; that one stands for the NUL.
std::u16string TextOf(const char16_t (&buffer)[kSkinTextCapacity]) {
  return platform::FromBuffer(buffer, kSkinTextCapacity - 1);
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
  InfoBuffers buffers;
  host::SkinInfoRecord info{};
  info.Size = sizeof(host::SkinInfoRecord);
  info.AuthorBuffer = buffers.author;
  info.AuthorBufferSize = kSkinTextCapacity;
  info.DescriptionBuffer = buffers.description;
  info.DescriptionBufferSize = kSkinTextCapacity;
  info.NameBuffer = buffers.name;
  info.NameBufferSize = kSkinTextCapacity;

  char16_t nameBuffer[kSkinTextCapacity] = {};
  *std::copy(name.begin(), name.end(), nameBuffer) = 0;
  const int32_t length = static_cast<int32_t>(name.size());
  const bool read = service && service->ReadSkinInfo(nameBuffer, length, &info) >= 0;
  if (!read) {
    if (!name.empty()) return nullptr;
    ShowBuiltInSkinError();
  }
  auto entry = std::make_shared<SkinEntry>();
  entry->Author = TextOf(buffers.author);
  entry->Name = TextOf(buffers.name);
  entry->Description = TextOf(buffers.description);
  entry->Preview = info.Preview;
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
  if (entry) entry->FileName = name;
  if (made) made->emplace(name, entry);
  items.Append(kSkinItemText, std::move(entry));
}

}  // namespace kaleidra
