#include "skin_entry.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

constexpr char16_t kClear[kSkinTextCapacity] = {};

// Clears a buffer the service may have written: mostly a short text and its
// NUL, with the rest still clear, which is compared rather than written.
void ClearWritten(char16_t (&buffer)[kSkinTextCapacity]) {
  char16_t* const end = std::end(buffer);
  char16_t* const nul = std::find(buffer, end, u'\0');
  std::fill(buffer, nul, u'\0');
  const size_t rest = static_cast<size_t>(end - nul);
  if (rest > 1 && std::memcmp(nul + 1, kClear, (rest - 1) * sizeof(char16_t)) != 0)
    std::fill(nul + 1, end, u'\0');
}

// The service may fill a buffer to the last character; that one stands for the NUL.
std::u16string_view TextOf(const char16_t (&buffer)[kSkinTextCapacity]) {
  const char16_t* end = std::find(buffer, buffer + kSkinTextCapacity - 1, u'\0');
  return std::u16string_view(buffer, static_cast<size_t>(end - buffer));
}

size_t SizeOf(const SkinTexts& texts) {
  return texts.author.size() + texts.name.size() + texts.description.size() + texts.fileName.size();
}

// Fills entry with the texts, each where keep copies it to.
template <class Keep>
void Fill(SkinEntry& entry, const SkinTexts& texts, host::HostBitmap preview, Keep keep) {
  entry.Author = keep(texts.author);
  entry.Name = keep(texts.name);
  entry.Description = keep(texts.description);
  entry.FileName = keep(texts.fileName);
  entry.Preview = preview;
}

// An entry made alone, with its texts one after another in one string.
struct OwnEntry {
  SkinEntry entry;
  std::u16string texts;
};

SkinEntryRef MakeOwnEntry(const SkinTexts& texts, host::HostBitmap preview) {
  auto own = std::make_shared<OwnEntry>();
  std::u16string& all = own->texts;
  all.reserve(SizeOf(texts));  // the views stay valid as it fills
  Fill(own->entry, texts, preview, [&all](std::u16string_view text) {
    const size_t at = all.size();
    all.append(text);
    return std::u16string_view(all).substr(at);
  });
  return SkinEntryRef(own, &own->entry);
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
  for (int i = 0; i < other.Count(); ++i)
    copy.push_back(Item{std::u16string(other.Text(i)), other.Entry(i)});
  items_ = std::move(copy);
}

bool IsSkinFileName(std::u16string_view name) {
  if (name.empty()) return true;
  if (name.size() >= kSkinTextCapacity || name == u"." || name == u"..") return false;
  return std::none_of(name.begin(), name.end(), [](char16_t c) { return IsReservedInFileName(c); });
}

namespace {

// Asks the service about one skin, with buffers, and makes its entry with
// fileName as its FileName: keep(texts, preview) makes it. Empty for a
// refused skin.
template <class Keep>
auto ReadSkinEntry(host::IAIMPSkinsService* service, std::u16string_view name,
                   std::u16string_view fileName, SkinInfoBuffers& buffers, Keep keep)
    -> decltype(keep(SkinTexts{}, nullptr)) {
  if (!IsSkinFileName(name)) return nullptr;
  buffers.Prepare(name);
  host::SkinInfoRecord info{};
  info.Size = sizeof(host::SkinInfoRecord);
  info.AuthorBuffer = buffers.author;
  info.AuthorBufferSize = kSkinTextCapacity;
  info.DescriptionBuffer = buffers.description;
  info.DescriptionBufferSize = kSkinTextCapacity;
  info.NameBuffer = buffers.name;
  info.NameBufferSize = kSkinTextCapacity;

  const int32_t length = static_cast<int32_t>(name.size());
  const bool read = service && service->ReadSkinInfo(buffers.skin, length, &info) >= 0;
  if (!read) {
    if (!name.empty()) return nullptr;
    ShowBuiltInSkinError();
  }
  const SkinTexts texts{TextOf(buffers.author), TextOf(buffers.name), TextOf(buffers.description),
                        fileName};
  return keep(texts, info.Preview);
}

}  // namespace

void SkinInfoBuffers::Prepare(std::u16string_view asked) {
  ClearWritten(author);
  ClearWritten(description);
  ClearWritten(name);
  *std::copy(asked.begin(), asked.end(), skin) = u'\0';
  // Only this code writes the name's buffer: what the last name left past this one.
  if (skinUsed_ > asked.size() + 1) std::fill(skin + asked.size() + 1, skin + skinUsed_, u'\0');
  skinUsed_ = asked.size() + 1;
}

SkinEntryRef CreateSkinEntry(host::IAIMPSkinsService* service, std::u16string_view name) {
  SkinInfoBuffers buffers;
  return ReadSkinEntry(service, name, {}, buffers, MakeOwnEntry);
}

SkinEntry* SkinEntryBlock::Add(const SkinTexts& texts, host::HostBitmap preview) {
  const size_t size = SizeOf(texts);
  if (size > room_) {
    // Pieces of some 32 KB: a few per thousand skins.
    room_ = std::max<size_t>(size, 16384);
    pieces_.push_back(std::make_unique<char16_t[]>(room_));
    free_ = pieces_.back().get();
  }
  SkinEntry& entry = entries_.emplace_back();
  Fill(entry, texts, preview, [this](std::u16string_view text) {
    char16_t* kept = free_;
    free_ = std::copy(text.begin(), text.end(), free_);
    room_ -= text.size();
    return std::u16string_view(kept, text.size());
  });
  return &entry;
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

uint32_t SkinEntryCache::Record(std::u16string_view name, uint32_t hash, SkinEntry* entry) {
  // The table keeps a view: of the name the entry holds, or of a copy.
  const std::u16string_view kept = entry ? entry->FileName : refusedNames_.emplace_back(name);
  made_.push_back(Made{kept, hash, entry});
  return static_cast<uint32_t>(made_.size());
}

void AddSkinItem(SkinItems& items, std::u16string_view name, SkinEntryCache* made) {
  host::IAIMPSkinsService* service = SkinsService.Get();
  if (!made) {
    SkinInfoBuffers buffers;
    items.Append(kSkinItemText, ReadSkinEntry(service, name, name, buffers, MakeOwnEntry));
    return;
  }
  items.Append(kSkinItemText,
               made->FindOrMake(name, [&](SkinEntryBlock& block, SkinInfoBuffers& buffers) {
                 return ReadSkinEntry(service, name, name, buffers,
                                      [&block](const SkinTexts& texts, host::HostBitmap preview) {
                                        return block.Add(texts, preview);
                                      });
               }));
}

}  // namespace kaleidra
