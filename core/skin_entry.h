// Skin entries: what the player's skins service says about one skin, made once
// per skin and then only referred to by the rows of the skin lists.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/AIMPSDKAddons.h"

namespace kaleidra {

// The capacity the service is told for each text, the NUL included: a text
// holds at most kSkinTextCapacity - 1 characters.
constexpr size_t kSkinTextCapacity = 512;

// The texts are kept at their own length, in storage that comes with the
// entry (see SkinEntryRef): a player with thousands of skins would otherwise
// hold 4 KB of mostly empty buffers per skin.
struct SkinEntry {
  std::u16string_view Author;
  std::u16string_view Name;
  std::u16string_view Description;
  std::u16string_view FileName;        // empty for the built-in skin
  host::HostBitmap Preview = nullptr;  // the player's; never deleted here
};

// Rows share entries: an entry lives while any row (or a saved copy of a list)
// refers to it. An empty reference is a skin the service refused. A reference
// also keeps the texts alive: an entry made alone owns them, and the entries
// of one load share one block (SkinEntryBlock) that lives while any of them does.
using SkinEntryRef = std::shared_ptr<SkinEntry>;

// The texts an entry is made of.
struct SkinTexts {
  std::u16string_view author, name, description, fileName;
};

// Entries made together: their texts in a few large pieces and the entries
// side by side, where a load of thousands of skins would otherwise make an
// allocation per entry and per text. References to its entries share the
// block (see SkinEntryCache).
class SkinEntryBlock {
 public:
  // The entry lives as long as the block.
  SkinEntry* Add(const SkinTexts& texts, host::HostBitmap preview);

 private:
  std::deque<SkinEntry> entries_;  // never moved once made
  std::vector<std::unique_ptr<char16_t[]>> pieces_;
  char16_t* free_ = nullptr;  // the rest of the last piece
  size_t room_ = 0;
};

// The buffers a skin is asked about with: its name and the three texts the
// service writes, kSkinTextCapacity characters each and cleared before every
// call. Kept for the calls of a load, they are cleared again only where the
// call before left characters, where clearing 4 KB per call was a tenth of
// the load's own work.
class SkinInfoBuffers {
 public:
  // Clears the buffers and puts name, which fits, into its own.
  void Prepare(std::u16string_view name);

  char16_t author[kSkinTextCapacity] = {};
  char16_t description[kSkinTextCapacity] = {};
  char16_t name[kSkinTextCapacity] = {};
  char16_t skin[kSkinTextCapacity] = {};  // the name asked about

 private:
  size_t skinUsed_ = 0;  // characters of skin that may not be clear
};

// The text of every row of the skin lists.
constexpr std::u16string_view kSkinItemText = u"SkinName";

// The rows of a skin list: a text and an entry reference each, in order.
class SkinItems {
 public:
  virtual ~SkinItems() = default;
  virtual int Count() const = 0;
  virtual std::u16string_view Text(int index) const = 0;
  virtual const SkinEntryRef& Entry(int index) const = 0;
  virtual void Append(std::u16string_view text, SkinEntryRef entry) = 0;
};

// Rows held in memory only (a saved copy of a list, tests).
class SkinItemVector : public SkinItems {
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  std::u16string_view Text(int index) const override { return items_.at(index).text; }
  const SkinEntryRef& Entry(int index) const override { return items_.at(index).entry; }
  void Append(std::u16string_view text, SkinEntryRef entry) override {
    items_.push_back(Item{std::u16string(text), std::move(entry)});
  }
  void Clear() { items_.clear(); }
  // Replaces the rows by those of another list (texts and the same entries).
  void CopyFrom(const SkinItems& other);

 private:
  struct Item {
    std::u16string text;
    SkinEntryRef entry;
  };
  std::vector<Item> items_;
};

// A name the player may be asked about or switched to: empty (the built-in
// skin) or a bare file name that fits an entry. A name from a hand-edited
// lists file with a folder part, a drive or wildcards could make the player
// read or load a file outside its Skins folder.
bool IsSkinFileName(std::u16string_view name);

// Asks the service about one skin ("" is the built-in skin). A refused named
// skin gives no entry; a refused built-in skin shows the "Error" box and still
// gives one. A name that is not a skin file name (IsSkinFileName) is refused
// without asking the service; a long one is not cut, as that could name a
// different skin.
SkinEntryRef CreateSkinEntry(host::IAIMPSkinsService* service, std::u16string_view name);

// Entries already made during one load of the lists, by name: a compact
// table whose names are those the entries hold, as a load of thousands of
// names would otherwise copy and allocate each name once more. The entries it
// makes are kept in one block, and the calls that make them share one set of
// buffers.
class SkinEntryCache {
 public:
  // Room for this many names without growing.
  void reserve(size_t names);
  // The entry made for name before (empty for a refused skin), or else the
  // one make(block, buffers) adds to the block (null for a refused skin),
  // recorded for the name.
  template <class Make>
  SkinEntryRef FindOrMake(std::u16string_view name, Make make) {
    if (2 * (made_.size() + 1) > slots_.size()) Rehash(std::max<size_t>(16, 2 * slots_.size()));
    const uint32_t hash = HashOf(name);
    const size_t at = SlotOf(name, hash);
    if (slots_[at] == 0) slots_[at] = Record(name, hash, make(*block_, buffers_));
    SkinEntry* entry = made_[slots_[at] - 1].entry;
    return entry ? SkinEntryRef(block_, entry) : nullptr;
  }

 private:
  struct Made {
    std::u16string_view name;  // the entry's FileName, or one of refusedNames_
    uint32_t hash;
    SkinEntry* entry;  // in block_
  };
  static uint32_t HashOf(std::u16string_view name);
  // The slot of name: free, or the one holding it.
  size_t SlotOf(std::u16string_view name, uint32_t hash) const;
  void Rehash(size_t slots);
  // 1 + the index of the entry recorded.
  uint32_t Record(std::u16string_view name, uint32_t hash, SkinEntry* entry);

  std::vector<Made> made_;
  std::vector<uint32_t> slots_;              // open addressing: 1 + an index into made_, 0 for free
  std::deque<std::u16string> refusedNames_;  // no entry holds these
  std::shared_ptr<SkinEntryBlock> block_ = std::make_shared<SkinEntryBlock>();
  SkinInfoBuffers buffers_;
};

// Makes the entry for name through the library-wide skins service, records the
// name as its FileName and appends a "SkinName" row with it (or with none).
// With a cache, a name met before reuses its entry: a list naming one skin
// thousands of times asks the player once, and a refused built-in skin is
// reported once.
void AddSkinItem(SkinItems& items, std::u16string_view name, SkinEntryCache* made = nullptr);

}  // namespace kaleidra
