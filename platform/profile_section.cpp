#include "platform/profile_section.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/ini_int.h"
#include "platform/platform.h"
#include "platform/profile_text.h"
#include "platform/text.h"

namespace platform {

namespace {

using View = std::u16string_view;

// Lookups by name a section answers by going through its entries before it
// is indexed: a list load asks for a few counts among thousands of entries.
constexpr int32_t kScansBeforeIndex = 8;

bool HasBlankEnds(View s) {
  return TrimProfileText(s).size() != s.size();
}

constexpr uint64_t kBeyondAscii = kEveryLane * 0xFF80;

// The index of the '=' that ends an entry's name, or the entry's size, and
// whether the name is ASCII: one pass, four characters at a time.
size_t NameEnd(View entry, bool& ascii) {
  uint64_t seen = 0;  // the name's characters, ORed together
  size_t at = 0;
  for (; at + 4 <= entry.size(); at += 4) {
    const uint64_t units = FourUnitsAt(&entry[at]);
    if (const uint64_t equal = LanesEqual(units, u'=')) {
      const size_t lane = FirstMarkedLane(equal);
      seen |= units & ((uint64_t{1} << (16 * lane)) - 1);
      ascii = (seen & kBeyondAscii) == 0;
      return at + lane;
    }
    seen |= units;
  }
  for (; at < entry.size() && entry[at] != u'='; ++at) seen |= entry[at];
  ascii = (seen & kBeyondAscii) == 0;
  return at;
}

// FNV-1a over the names as the key reads compare them, without ASCII letter case.
uint32_t HashIgnoringCase(View name) {
  uint32_t hash = 2166136261u;
  for (const char16_t c : name) hash = (hash ^ AsciiUpper(c)) * 16777619u;
  return hash;
}

// n of a name that is stem followed by n >= 1 in decimal, letter case
// ignored, as a key read of that name would be asked for it; 0 otherwise.
int32_t EntryNumber(View name, View stem) {
  if (name.size() <= stem.size() || name.size() > stem.size() + 10) return 0;
  // The names of a list mostly have the stem's letter case: compared as they are first.
  const View named = name.substr(0, stem.size());
  if (std::memcmp(named.data(), stem.data(), stem.size() * sizeof(char16_t)) != 0 &&
      !EqualsIgnoreCase(named, stem))
    return 0;
  const View digits = name.substr(stem.size());
  if (digits[0] == u'0') return 0;
  int64_t n = 0;
  for (const char16_t c : digits) {
    const auto digit = static_cast<unsigned>(c - u'0');  // those below '0' wrap
    if (digit > 9) return 0;
    n = n * 10 + digit;
  }
  return n > INT32_MAX ? 0 : static_cast<int32_t>(n);
}

std::u16string KeyWithNumber(View stem, int32_t n) {
  return std::u16string(stem) + ToDecimal(n);
}

}  // namespace

std::vector<bool> ReadProfileSections(
    const std::u16string& path, const std::vector<std::u16string>& sections,
    const std::function<void(size_t section, View entry)>& onEntry) {
  ProfileSectionTexts texts;
  return ReadProfileSections(path, sections, onEntry, texts);
}

ProfileKeys::ProfileKeys(std::u16string path) : path_(std::move(path)) {}

std::u16string ProfileKeys::Text(View section, View key, View fallback) const {
  return ReadProfileText(path_, std::u16string(section), std::u16string(key),
                         std::u16string(fallback));
}

int32_t ProfileKeys::Int(View section, View key, int32_t fallback) const {
  return ReadProfileInt(path_, std::u16string(section), std::u16string(key), fallback);
}

int32_t ProfileKeys::HighestEntry(View section, View stem) const {
  return ProfileSections(path_, {std::u16string(section)}).HighestEntry(section, stem);
}

std::vector<std::u16string> ProfileKeys::EntryTexts(View section, View stem, int32_t count,
                                                    View fallback) const {
  std::vector<std::u16string> texts;
  for (int32_t n = 1; n <= count; ++n)
    texts.push_back(Text(section, KeyWithNumber(stem, n), fallback));
  return texts;
}

std::vector<int32_t> ProfileKeys::EntryInts(View section, View stem, int32_t count,
                                            int32_t fallback) const {
  std::vector<int32_t> values;
  for (int32_t n = 1; n <= count; ++n)
    values.push_back(Int(section, KeyWithNumber(stem, n), fallback));
  return values;
}

ProfileSections::ProfileSections(std::u16string path, std::vector<std::u16string> sections)
    : keys_(path) {
  for (std::u16string& name : sections) {
    sections_.emplace_back();
    sections_.back().name = std::move(name);
  }
  std::vector<std::u16string> names;
  for (const Section& section : sections_) names.push_back(section.name);
  const auto onEntry = [&](size_t i, View entry) {
    Section& section = sections_[i];
    bool ascii = true;
    const size_t eq = NameEnd(entry, ascii);
    const View name = TrimProfileText(entry.substr(0, eq));
    if (!name.empty()) ++section.lines;
    if (!section.whole) return;
    // Only a key read knows whether the system folds such a name into ours.
    if (!ascii) {
      section.whole = false;
      return;
    }
    if (section.entries.empty()) {
      // The lists of a file mostly have one length: room for as many
      // entries as the longest section before.
      size_t most = 0;
      for (const Section& s : sections_) most = std::max(most, s.entries.size());
      section.entries.reserve(most);
    }
    Entry& added = section.entries.emplace_back();
    added.name = name;
    if (eq == entry.size()) {
      added.value.bare = true;
    } else {
      added.value.text = UnquoteProfileValue(TrimProfileText(entry.substr(eq + 1)));
      // A key read cuts a long value to its buffer, quotes and all.
      added.value.inexact = added.value.text.size() >= kMaxProfileValueLength - 1;
    }
  };
  const std::vector<bool> read = ReadProfileSections(path, names, onEntry, texts_);
  for (size_t i = 0; i < sections_.size(); ++i) {
    Section& section = sections_[i];
    section.whole = section.whole && read[i];
    if (!section.whole) section.entries.clear();
  }
}

const ProfileSections::Section* ProfileSections::Find(View section) const {
  for (const Section& s : sections_)
    if (s.whole && s.name == section) return &s;
  return nullptr;
}

const ProfileSections::Entry* ProfileSections::Lookup(const Section& section, View key) const {
  const std::vector<Entry>& entries = section.entries;
  if (section.slots.empty() && section.scans < kScansBeforeIndex) {
    ++section.scans;
    // The first entry of the name is the one a key read finds.
    for (const Entry& entry : entries)
      if (EqualsIgnoreCase(entry.name, key)) return &entry;
    return nullptr;
  }
  std::vector<uint32_t>& slots = section.slots;
  const size_t mask = [&] {
    if (!slots.empty()) return slots.size() - 1;
    size_t size = 16;
    while (size < 2 * entries.size()) size *= 2;
    slots.assign(size, 0);
    for (size_t i = 0; i < entries.size(); ++i) {
      const View name = entries[i].name;
      for (size_t at = HashIgnoringCase(name) & (size - 1);; at = (at + 1) & (size - 1)) {
        if (slots[at] == 0) {
          slots[at] = static_cast<uint32_t>(i + 1);
          break;
        }
        if (EqualsIgnoreCase(entries[slots[at] - 1].name, name)) break;  // the first one wins
      }
    }
    return size - 1;
  }();
  for (size_t at = HashIgnoringCase(key) & mask;; at = (at + 1) & mask) {
    if (slots[at] == 0) return nullptr;
    const Entry& entry = entries[slots[at] - 1];
    if (EqualsIgnoreCase(entry.name, key)) return &entry;
  }
}

const ProfileSections::Numbered& ProfileSections::NumberedFor(const Section& section,
                                                              View stem) const {
  Numbered& numbered = section.numbered;
  if (!numbered.byNumber.empty() && numbered.stem == stem) return numbered;
  numbered.stem = stem;
  numbered.byNumber.assign(static_cast<size_t>(section.lines) + 1, 0);
  numbered.beyondLines = false;
  for (size_t i = 0; i < section.entries.size(); ++i) {
    const int32_t n = EntryNumber(section.entries[i].name, stem);
    if (n > section.lines) {
      numbered.beyondLines = true;
    } else if (n > 0) {
      // Names with the same number are the same name: the first one wins.
      uint32_t& slot = numbered.byNumber[static_cast<size_t>(n)];
      if (slot == 0) slot = static_cast<uint32_t>(i + 1);
    }
  }
  return numbered;
}

ProfileSections::Answer ProfileSections::Resolve(const Entry* entry, View& value) {
  if (!entry || entry->value.bare) return Answer::kFallback;
  if (entry->value.inexact) return Answer::kKeyRead;
  value = entry->value.text;
  return Answer::kValue;
}

ProfileSections::Answer ProfileSections::Resolve(View section, View key, View& value) const {
  const Section* s = Find(section);
  // A key read trims the names asked for, a section read takes them as given.
  if (!s || HasBlankEnds(section) || HasBlankEnds(key)) return Answer::kKeyRead;
  return Resolve(Lookup(*s, key), value);
}

const ProfileSections::Section* ProfileSections::NumberedSection(View section, View stem) const {
  const Section* s = Find(section);
  // The names asked for end in a digit: only a blank before the stem would be trimmed.
  const bool plain = s && !HasBlankEnds(section) && (stem.empty() || !IsProfileBlank(stem[0]));
  return plain ? s : nullptr;
}

template <class T, class FromValue, class FromKeyRead>
std::vector<T> ProfileSections::Entries(View section, View stem, int32_t count, const T& missing,
                                        FromValue fromValue, FromKeyRead fromKeyRead) const {
  std::vector<T> values;
  values.reserve(static_cast<size_t>(std::max(count, 0)));
  const Section* s = NumberedSection(section, stem);
  const std::vector<uint32_t>* byNumber = s ? &NumberedFor(*s, stem).byNumber : nullptr;
  for (int32_t n = 1; n <= count; ++n) {
    View value;
    Answer how;
    if (byNumber && n <= s->lines) {
      const uint32_t slot = (*byNumber)[static_cast<size_t>(n)];
      how = Resolve(slot ? &s->entries[slot - 1] : nullptr, value);
    } else {
      how = Resolve(section, KeyWithNumber(stem, n), value);
    }
    if (how == Answer::kValue)
      values.push_back(fromValue(value));
    else if (how == Answer::kFallback)
      values.push_back(missing);
    else
      values.push_back(fromKeyRead(KeyWithNumber(stem, n)));
  }
  return values;
}

std::u16string ProfileSections::Text(View section, View key, View fallback) const {
  View value;
  switch (Resolve(section, key, value)) {
    case Answer::kValue:
      return std::u16string(value);
    case Answer::kFallback:
      return std::u16string(ProfileFallback(fallback));
    case Answer::kKeyRead:
      break;
  }
  return keys_.Text(section, key, fallback);
}

int32_t ProfileSections::Int(View section, View key, int32_t fallback) const {
  View value;
  switch (Resolve(section, key, value)) {
    case Answer::kValue:
      return ParseIniInt(value, fallback);
    case Answer::kFallback:
      return fallback;  // what the text of an empty fallback reads as
    case Answer::kKeyRead:
      break;
  }
  return keys_.Int(section, key, fallback);
}

std::vector<std::u16string> ProfileSections::EntryTexts(View section, View stem, int32_t count,
                                                        View fallback) const {
  return Entries(
      section, stem, count, std::u16string(ProfileFallback(fallback)),
      [](View value) { return std::u16string(value); },
      [&](const std::u16string& key) { return keys_.Text(section, key, fallback); });
}

std::vector<View> ProfileSections::EntryViews(View section, View stem, int32_t count,
                                              View fallback) {
  // What no view of the file can give is kept with the texts read.
  const View missing = texts_.emplace_back(ProfileFallback(fallback));
  return Entries(
      section, stem, count, missing, [](View value) { return value; },
      [&](const std::u16string& key) -> View {
        return texts_.emplace_back(keys_.Text(section, key, fallback));
      });
}

std::vector<int32_t> ProfileSections::EntryInts(View section, View stem, int32_t count,
                                                int32_t fallback) const {
  return Entries(
      section, stem, count, fallback, [&](View value) { return ParseIniInt(value, fallback); },
      [&](const std::u16string& key) { return keys_.Int(section, key, fallback); });
}

int32_t ProfileSections::HighestEntry(View section, View stem) const {
  const auto named = std::find_if(sections_.begin(), sections_.end(),
                                  [&](const Section& s) { return s.name == section; });
  if (named == sections_.end()) return keys_.HighestEntry(section, stem);
  if (!named->whole) return named->lines;
  const Numbered& numbered = NumberedFor(*named, stem);
  if (numbered.beyondLines) return named->lines;
  for (size_t n = numbered.byNumber.size(); n-- > 1;)
    if (numbered.byNumber[n] != 0) return static_cast<int32_t>(n);
  return 0;
}

}  // namespace platform
