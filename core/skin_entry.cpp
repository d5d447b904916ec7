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

// FNV-1a over the UTF-16 units, mixed so that names differing in a digit
// or two spread over the low bits the slots are chosen by.
uint32_t SkinEntryCache::HashOf(std::u16string_view name) {
  uint32_t hash = 2166136261u;
  for (const char16_t c : name) hash = (hash ^ c) * 16777619u;
  hash ^= hash >> 16;
  hash *= 0x85EBCA6Bu;
  hash ^= hash >> 13;
  return hash;
}

uint32_t SkinEntryCache::Record(std::u16string_view name, uint32_t hash, SkinEntryRef entry) {
  // The table keeps a view: of the name the entry holds, or of a copy.
  const std::u16string_view kept =
      entry ? std::u16string_view(entry->FileName) : refusedNames_.emplace_back(name);
  made_.push_back(Made{kept, hash, std::move(entry)});
  return static_cast<uint32_t>(made_.size());
}

void AddSkinItem(SkinItems& items, const std::u16string& name, SkinEntryCache* made) {
  auto make = [&name] {
    SkinEntryRef entry = CreateSkinEntry(SkinsService.Get(), name);
    if (entry) entry->FileName = name;
    return entry;
  };
  items.Append(kSkinItemText, made ? made->FindOrMake(name, make) : make());
}

}  // namespace kaleidra
