#include "skin_entry.h"

#include <algorithm>
#include <cstdint>

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

// Control characters and \ / : * ? " < > |, one bit each.
constexpr uint64_t kReservedBelow64 = 0xFFFFFFFFull | (1ull << '"') | (1ull << '*') |
                                      (1ull << '/') | (1ull << ':') | (1ull << '<') |
                                      (1ull << '>') | (1ull << '?');
constexpr uint64_t kReservedFrom64 = (1ull << ('\\' - 64)) | (1ull << ('|' - 64));

bool IsReservedInFileName(char16_t c) {
  if (c < 64) return (kReservedBelow64 >> c) & 1;
  return c < 128 && ((kReservedFrom64 >> (c - 64)) & 1);
}

// FNV-1a over the UTF-16 units.
uint32_t HashOf(std::u16string_view name) {
  uint32_t hash = 2166136261u;
  for (const char16_t c : name) hash = (hash ^ c) * 16777619u;
  return hash;
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

void SkinEntryCache::reserve(size_t names) {
  made_.reserve(names);
  size_t slots = 16;
  while (slots < 2 * names) slots *= 2;
  if (slots > slots_.size()) Rehash(slots);
}

size_t SkinEntryCache::SlotOf(std::u16string_view name, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  size_t at = hash & mask;
  for (; slots_[at] != 0; at = (at + 1) & mask) {
    const Made& made = made_[slots_[at] - 1];
    if (made.hash == hash && made.name == name) break;
  }
  return at;
}

void SkinEntryCache::Rehash(size_t slots) {
  slots_.assign(slots, 0);
  for (size_t i = 0; i < made_.size(); ++i)
    slots_[SlotOf(made_[i].name, made_[i].hash)] = static_cast<uint32_t>(i + 1);
}

const SkinEntryRef* SkinEntryCache::Find(std::u16string_view name) const {
  if (slots_.empty()) return nullptr;
  const uint32_t slot = slots_[SlotOf(name, HashOf(name))];
  return slot ? &made_[slot - 1].entry : nullptr;
}

void SkinEntryCache::Add(std::u16string_view name, SkinEntryRef entry) {
  if (2 * (made_.size() + 1) > slots_.size()) Rehash(std::max<size_t>(16, 2 * slots_.size()));
  // The table keeps a view: of the name the entry holds, or of a copy.
  const std::u16string_view kept =
      entry ? std::u16string_view(entry->FileName) : refusedNames_.emplace_back(name);
  const uint32_t hash = HashOf(kept);
  slots_[SlotOf(kept, hash)] = static_cast<uint32_t>(made_.size() + 1);
  made_.push_back(Made{kept, hash, std::move(entry)});
}

void AddSkinItem(SkinItems& items, const std::u16string& name, SkinEntryCache* made) {
  if (made) {
    if (const SkinEntryRef* found = made->Find(name)) {
      items.Append(kSkinItemText, *found);
      return;
    }
  }
  SkinEntryRef entry = CreateSkinEntry(SkinsService.Get(), name);
  if (entry) entry->FileName = name;
  if (made) made->Add(name, entry);
  items.Append(kSkinItemText, std::move(entry));
}

}  // namespace kaleidra
