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

constexpr size_t kStoreBlock = 16384;

void Fold(char16_t* begin, char16_t* end) {
  for (char16_t* c = begin; c != end; ++c) *c = AsciiUpper(*c);
}

std::u16string& Folded(View name, std::u16string& into) {
  into.assign(name);
  Fold(into.data(), into.data() + into.size());
  return into;
}

bool HasBlankEnds(View s) {
  return TrimProfileText(s).size() != s.size();
}

bool IsAscii(View s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return c < 0x80; });
}

// n of a name that is the folded stem followed by n >= 1 in decimal, as a key
// read of that name would be asked for it; 0 otherwise.
int32_t EntryNumber(View folded, View foldedStem) {
  if (folded.size() <= foldedStem.size() || folded.substr(0, foldedStem.size()) != foldedStem)
    return 0;
  const View digits = folded.substr(foldedStem.size());
  if (digits[0] == u'0' || digits.size() > 10) return 0;
  int64_t n = 0;
  for (const char16_t c : digits) {
    if (c < u'0' || c > u'9') return 0;
    n = n * 10 + (c - u'0');
  }
  return n > INT32_MAX ? 0 : static_cast<int32_t>(n);
}

}  // namespace

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

View ProfileSections::Store::Keep(View text, bool fold) {
  if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < text.size()) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(kStoreBlock, text.size()));
  }
  std::u16string& block = blocks_.back();
  const size_t at = block.size();
  block += text;  // within the capacity: the block does not move
  if (fold) Fold(block.data() + at, block.data() + block.size());
  return View(block).substr(at);
}

ProfileSections::ProfileSections(std::u16string path, std::vector<std::u16string> sections)
    : keys_(path) {
  for (std::u16string& name : sections) {
    sections_.emplace_back();
    sections_.back().name = std::move(name);
  }
  std::vector<std::u16string> names;
  for (const Section& section : sections_) names.push_back(section.name);
  const std::vector<bool> read = ReadProfileSections(path, names, [&](size_t i, View entry) {
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
    Value value;
    if (eq == View::npos) {
      value.bare = true;
    } else {
      value.text = store_.Keep(UnquoteProfileValue(TrimProfileText(entry.substr(eq + 1))), false);
      // A key read cuts a long value to its buffer, quotes and all.
      value.inexact = value.text.size() >= kMaxProfileValueLength - 1;
    }
    section.values.emplace(store_.Keep(name, true), value);  // the first of a name wins
  });
  for (size_t i = 0; i < sections_.size(); ++i) {
    Section& section = sections_[i];
    section.whole = section.whole && read[i];
    if (!section.whole) section.values.clear();
  }
}

const ProfileSections::Section* ProfileSections::Find(View section) const {
  for (const Section& s : sections_)
    if (s.whole && s.name == section) return &s;
  return nullptr;
}

std::u16string ProfileSections::Text(View section, View key, View fallback) const {
  const Section* s = Find(section);
  // A key read trims the names asked for, a section read takes them as given.
  if (!s || HasBlankEnds(section) || HasBlankEnds(key)) return keys_.Text(section, key, fallback);
  const auto found = s->values.find(View(Folded(key, folded_)));
  if (found == s->values.end() || found->second.bare)
    return std::u16string(ProfileFallback(fallback));
  if (found->second.inexact) return keys_.Text(section, key, fallback);
  return std::u16string(found->second.text);
}

int32_t ProfileSections::Int(View section, View key, int32_t fallback) const {
  return ParseIniInt(Text(section, key, u""), fallback);
}

int32_t ProfileSections::HighestEntry(View section, View stem) const {
  const auto named = std::find_if(sections_.begin(), sections_.end(),
                                  [&](const Section& s) { return s.name == section; });
  if (named == sections_.end()) return keys_.HighestEntry(section, stem);
  if (!named->whole) return named->lines;
  std::u16string foldedStem;
  Folded(stem, foldedStem);
  int32_t highest = 0;
  for (const auto& [name, value] : named->values)
    highest = std::max(highest, EntryNumber(name, foldedStem));
  return std::min(highest, named->lines);
}

}  // namespace platform
