// Reading many keys of an INI file. ProfileKeys asks the system once per key;
// ProfileSections reads the sections it is given at once and answers every
// key of them with the same result, so that a list of a thousand keys costs
// one read of the file instead of a thousand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace platform {

// One private-profile read per key.
class ProfileKeys {
 public:
  explicit ProfileKeys(std::u16string path);
  std::u16string Text(std::u16string_view section, std::u16string_view key,
                      std::u16string_view fallback) const;
  int32_t Int(std::u16string_view section, std::u16string_view key, int32_t fallback) const;
  // As ProfileSections::HighestEntry, from one read of the section.
  int32_t HighestEntry(std::u16string_view section, std::u16string_view stem) const;
  // Text and Int of the keys named stem followed by 1, 2, ... count in decimal.
  std::vector<std::u16string> EntryTexts(std::u16string_view section, std::u16string_view stem,
                                         int32_t count, std::u16string_view fallback) const;
  std::vector<int32_t> EntryInts(std::u16string_view section, std::u16string_view stem,
                                 int32_t count, int32_t fallback) const;

 private:
  std::u16string path_;
};

// The sections as they are when constructed. Keys follow the key reads'
// rules: letter case of the name ignored, the first of duplicate names,
// blanks around the value trimmed, one pair of enclosing quotes removed, the
// integer rules of ParseIniInt, the fallback for a missing key. Where the
// section read alone cannot tell what a key read gives (a value too long for
// a key read's buffer, a name outside ASCII that the system may fold into
// ours, a section too large to read whole, a section not named here, names asked
// for with blanks at their ends) the key
// is read on its own.
class ProfileSections {
 public:
  ProfileSections(std::u16string path, std::vector<std::u16string> sections);
  // The entries point into the texts read.
  ProfileSections(const ProfileSections&) = delete;
  ProfileSections& operator=(const ProfileSections&) = delete;
  std::u16string Text(std::u16string_view section, std::u16string_view key,
                      std::u16string_view fallback) const;
  int32_t Int(std::u16string_view section, std::u16string_view key, int32_t fallback) const;
  // The highest n for which the section has a key named stem followed by n in
  // decimal, but at most the number of the section's lines with a name: so a
  // list with entries 1..n gives n, and whatever it gives costs no more to
  // go through than the section's length. Where the keys are read on their
  // own, the number of lines.
  int32_t HighestEntry(std::u16string_view section, std::u16string_view stem) const;
  // As ProfileKeys::EntryTexts and EntryInts, found by number: the entries of
  // a list are looked up without making and hashing their names.
  std::vector<std::u16string> EntryTexts(std::u16string_view section, std::u16string_view stem,
                                         int32_t count, std::u16string_view fallback) const;
  std::vector<int32_t> EntryInts(std::u16string_view section, std::u16string_view stem,
                                 int32_t count, int32_t fallback) const;
  // EntryTexts as views, valid while this lives: a list of thousands of names
  // is not copied.
  std::vector<std::u16string_view> EntryViews(std::u16string_view section, std::u16string_view stem,
                                              int32_t count, std::u16string_view fallback);

 private:
  struct Value {
    std::u16string_view text;
    bool bare = false;     // a name without '=': the key reads give the fallback
    bool inexact = false;  // only a key read can tell
  };
  struct Entry {
    std::u16string_view name;  // as the file has it; compared without letter case
    Value value;
  };
  // The entries numbered for one stem: byNumber[n] is 1 + the index of the
  // first entry named stem followed by n, 0 for none, for n up to the lines.
  struct Numbered {
    std::u16string stem;
    std::vector<uint32_t> byNumber;
    bool beyondLines = false;  // some entry's number is greater than the lines
  };
  struct Section {
    std::u16string name;
    bool whole = true;           // false: every key is read on its own
    int32_t lines = 0;           // with a name
    std::vector<Entry> entries;  // every line with '=' or a name, in file order
    // Open addressing over entries, made once a section has been asked by
    // name more than a few times: 1 + an index, 0 for a free slot.
    mutable std::vector<uint32_t> slots;
    mutable int32_t scans = 0;  // lookups answered by going through the entries
    mutable Numbered numbered;
  };
  // How a lookup is answered from the sections.
  enum class Answer { kValue, kFallback, kKeyRead };

  const Section* Find(std::u16string_view section) const;
  const Entry* Lookup(const Section& section, std::u16string_view key) const;
  const Numbered& NumberedFor(const Section& section, std::u16string_view stem) const;
  Answer Resolve(std::u16string_view section, std::u16string_view key,
                 std::u16string_view& value) const;
  static Answer Resolve(const Entry* entry, std::u16string_view& value);
  // The section whose numbered entries answer for stem, or null.
  const Section* NumberedSection(std::u16string_view section, std::u16string_view stem) const;
  // The values of stem followed by 1..count: fromValue of a value found, missing
  // for none, fromKeyRead of the name where only a key read can tell.
  template <class T, class FromValue, class FromKeyRead>
  std::vector<T> Entries(std::u16string_view section, std::u16string_view stem, int32_t count,
                         const T& missing, FromValue fromValue, FromKeyRead fromKeyRead) const;

  ProfileKeys keys_;
  std::vector<Section> sections_;
  ProfileSectionTexts texts_;  // what the entries' views point into, and EntryViews' key reads
};

}  // namespace platform
