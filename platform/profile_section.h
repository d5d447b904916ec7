// Reading many keys of an INI file. ProfileKeys asks the system once per key;
// ProfileSections reads the sections it is given at once and answers every
// key of them with the same result, so that a list of a thousand keys costs
// one read of the file instead of a thousand.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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
  std::u16string Text(std::u16string_view section, std::u16string_view key,
                      std::u16string_view fallback) const;
  int32_t Int(std::u16string_view section, std::u16string_view key, int32_t fallback) const;
  // The highest n for which the section has a key named stem followed by n in
  // decimal, but at most the number of the section's lines with a name: so a
  // list with entries 1..n gives n, and whatever it gives costs no more to
  // go through than the section's length. Where the keys are read on their
  // own, the number of lines.
  int32_t HighestEntry(std::u16string_view section, std::u16string_view stem) const;

 private:
  struct Value {
    std::u16string_view text;
    bool bare = false;     // a name without '=': the key reads give the fallback
    bool inexact = false;  // only a key read can tell
  };
  // Keyed by the upper-case name, in the store; the first of duplicate names.
  struct Section {
    std::u16string name;
    bool whole = true;  // false: every key is read on its own
    int32_t lines = 0;  // with a name
    std::unordered_map<std::u16string_view, Value> values;
  };
  // Texts kept in blocks that never move, so views of them stay valid.
  class Store {
   public:
    std::u16string_view Keep(std::u16string_view text, bool fold);

   private:
    std::deque<std::u16string> blocks_;
  };
  const Section* Find(std::u16string_view section) const;

  ProfileKeys keys_;
  std::vector<Section> sections_;
  Store store_;
  mutable std::u16string folded_;  // the key being looked up
};

}  // namespace platform
