#include "platform/profile_section.h"

#include <algorithm>
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

uint64_t HashOf(View name) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const char16_t c : name) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

bool IsAscii(View s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return c < 0x80; });
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
    if (!section.whole) return;
    const size_t eq = entry.find(u'=');
    const View name = TrimProfileText(entry.substr(0, eq));
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
    Entry& e = section.entries.emplace_back();
    e.name = store_.Keep(name, true);
    e.hash = HashOf(e.name);
    e.value = value;
  });
  for (size_t i = 0; i < sections_.size(); ++i) {
    Section& section = sections_[i];
    section.whole = section.whole && read[i];
    if (section.whole)
      section.Index();
    else
      section.entries.clear();
  }
}

void ProfileSections::Section::Index() {
  byHash.resize(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) byHash[i] = {entries[i].hash, i};
  std::sort(byHash.begin(), byHash.end());
  // Within a run of one hash, an entry is first unless an earlier one has its
  // name: compared with the first of each name in the run, so a thousand
  // copies of one line cost a thousand comparisons.
  std::vector<size_t> firsts;
  for (size_t run = 0; run < byHash.size();) {
    firsts.clear();
    size_t end = run;
    for (; end < byHash.size() && byHash[end].first == byHash[run].first; ++end) {
      Entry& e = entries[byHash[end].second];
      e.first = std::none_of(firsts.begin(), firsts.end(),
                             [&](size_t f) { return entries[f].name == e.name; });
      if (e.first) firsts.push_back(byHash[end].second);
    }
    run = end;
  }
}

const ProfileSections::Entry* ProfileSections::Section::Lookup(View name) const {
  if (next < entries.size()) {
    const Entry& e = entries[next];
    if (e.first && e.name == name) {
      ++next;
      return &e;
    }
  }
  const uint64_t hash = HashOf(name);
  auto it = std::lower_bound(byHash.begin(), byHash.end(), std::make_pair(hash, size_t{0}));
  for (; it != byHash.end() && it->first == hash; ++it) {
    if (entries[it->second].name != name) continue;
    next = it->second + 1;
    return &entries[it->second];
  }
  return nullptr;
}

const ProfileSections::Section* ProfileSections::Find(View section) const {
  for (const Section& s : sections_)
    if (s.whole && s.name == section) return &s;
  return nullptr;
}

std::u16string ProfileSections::Text(View section, View key, View fallback) const {
  const Section* s = Find(section);
  if (!s) return keys_.Text(section, key, fallback);
  const View name = Folded(key, folded_);
  const Entry* found = s->Lookup(name);
  if (!found || found->value.bare) return std::u16string(fallback);
  if (found->value.inexact) return keys_.Text(section, key, fallback);
  return std::u16string(found->value.text);
}

int32_t ProfileSections::Int(View section, View key, int32_t fallback) const {
  return ParseIniInt(Text(section, key, u""), fallback);
}

}  // namespace platform
