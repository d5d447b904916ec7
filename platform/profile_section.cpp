#include "platform/profile_section.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/ini_int.h"
#include "platform/platform.h"
#include "platform/profile_text.h"
#include "platform/text.h"

namespace platform {

namespace {

using View = std::u16string_view;

bool HasBlankEnds(View s) {
  return TrimProfileText(s).size() != s.size();
}

bool IsAscii(View s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return c < 0x80; });
}

// FNV-1a over the names as the key reads compare them, without ASCII letter case.
uint32_t HashIgnoringCase(View name) {
  uint32_t hash = 2166136261u;
  for (const char16_t c : name) hash = (hash ^ AsciiUpper(c)) * 16777619u;
  return hash;
}

// n of a name that is the stem followed by n >= 1 in decimal, letter case
// ignored, as a key read of that name would be asked for it; 0 otherwise.
int32_t EntryNumber(View name, View stem) {
  if (name.size() <= stem.size() || !EqualsIgnoreCase(name.substr(0, stem.size()), stem)) return 0;
  const View digits = name.substr(stem.size());
  if (digits[0] == u'0' || digits.size() > 10) return 0;
  int64_t n = 0;
  for (const char16_t c : digits) {
    if (c < u'0' || c > u'9') return 0;
    n = n * 10 + (c - u'0');
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

std::u16string ProfileKeys::EntryText(View section, View stem, int32_t n, View fallback) const {
  return Text(section, KeyWithNumber(stem, n), fallback);
}

int32_t ProfileKeys::EntryInt(View section, View stem, int32_t n, int32_t fallback) const {
  return Int(section, KeyWithNumber(stem, n), fallback);
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
    const size_t eq = entry.find(u'=');
    const View name = TrimProfileText(entry.substr(0, eq));
    if (!name.empty()) ++section.lines;
    if (!section.whole) return;
    // Only a key read knows whether the system folds such a name into ours.
    if (!IsAscii(name)) {
      section.whole = false;
      return;
    }
    Entry& added = section.entries.emplace_back();
    added.name = name;
    if (eq == View::npos) {
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
    if (section.whole) {
      Index(section);
    } else {
      section.entries.clear();
    }
  }
}

void ProfileSections::Index(Section& section) {
  size_t size = 16;
  while (size < 2 * section.entries.size()) size *= 2;
  section.slots.assign(size, 0);
  const size_t mask = size - 1;
  for (size_t i = 0; i < section.entries.size(); ++i) {
    const View name = section.entries[i].name;
    for (size_t at = HashIgnoringCase(name) & mask;; at = (at + 1) & mask) {
      uint32_t& slot = section.slots[at];
      if (slot == 0) {
        slot = static_cast<uint32_t>(i + 1);
        break;
      }
      if (EqualsIgnoreCase(section.entries[slot - 1].name, name)) break;  // the first one wins
    }
  }
}

const ProfileSections::Section* ProfileSections::Find(View section) const {
  for (const Section& s : sections_)
    if (s.whole && s.name == section) return &s;
  return nullptr;
}

const ProfileSections::Entry* ProfileSections::Lookup(const Section& section, View key) const {
  const size_t mask = section.slots.size() - 1;
  for (size_t at = HashIgnoringCase(key) & mask;; at = (at + 1) & mask) {
    const uint32_t slot = section.slots[at];
    if (slot == 0) return nullptr;
    const Entry& entry = section.entries[slot - 1];
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
  // Through the slots, so that each name counts once, for its first entry.
  for (const uint32_t slot : section.slots) {
    if (slot == 0) continue;
    const int32_t n = EntryNumber(section.entries[slot - 1].name, stem);
    if (n > section.lines)
      numbered.beyondLines = true;
    else if (n > 0)
      numbered.byNumber[static_cast<size_t>(n)] = slot;
  }
  return numbered;
}

ProfileSections::Answer ProfileSections::Resolve(View section, View key, View& value) const {
  const Section* s = Find(section);
  // A key read trims the names asked for, a section read takes them as given.
  if (!s || HasBlankEnds(section) || HasBlankEnds(key)) return Answer::kKeyRead;
  const Entry* entry = Lookup(*s, key);
  if (!entry || entry->value.bare) return Answer::kFallback;
  if (entry->value.inexact) return Answer::kKeyRead;
  value = entry->value.text;
  return Answer::kValue;
}

ProfileSections::Answer ProfileSections::ResolveEntry(View section, View stem, int32_t n,
                                                      View& value) const {
  const Section* s = Find(section);
  // The name asked for ends in a digit: only a blank before the stem would be trimmed.
  const bool plain = s && !HasBlankEnds(section) && (stem.empty() || !IsProfileBlank(stem[0]));
  if (!plain || n < 1 || n > s->lines) return Resolve(section, KeyWithNumber(stem, n), value);
  const uint32_t slot = NumberedFor(*s, stem).byNumber[static_cast<size_t>(n)];
  if (slot == 0) return Answer::kFallback;
  const Value& found = s->entries[slot - 1].value;
  if (found.bare) return Answer::kFallback;
  if (found.inexact) return Answer::kKeyRead;
  value = found.text;
  return Answer::kValue;
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

std::u16string ProfileSections::EntryText(View section, View stem, int32_t n,
                                          View fallback) const {
  View value;
  switch (ResolveEntry(section, stem, n, value)) {
    case Answer::kValue:
      return std::u16string(value);
    case Answer::kFallback:
      return std::u16string(ProfileFallback(fallback));
    case Answer::kKeyRead:
      break;
  }
  return keys_.EntryText(section, stem, n, fallback);
}

int32_t ProfileSections::EntryInt(View section, View stem, int32_t n, int32_t fallback) const {
  View value;
  switch (ResolveEntry(section, stem, n, value)) {
    case Answer::kValue:
      return ParseIniInt(value, fallback);
    case Answer::kFallback:
      return fallback;
    case Answer::kKeyRead:
      break;
  }
  return keys_.EntryInt(section, stem, n, fallback);
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
