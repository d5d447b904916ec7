// The operating-system services the rest of the code uses instead of Win32.
// Paths use the backslash as separator everywhere; the POSIX stand-in maps it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Folder of the running process's executable (the player, not this library),
// ending in a backslash.
std::u16string ExecutableFolder();
// Tests point the "executable folder" at a fixture; an empty folder undoes it.
void OverrideExecutableFolder(const std::u16string& folder);

// Calls onMatch with the bare name of every entry of folder matching mask
// ('*' and '?', case-insensitive), whatever its attributes, folders included,
// in the order the directory search returns them. onMatch returns false to stop.
void ForEachMatch(const std::u16string& folder, const std::u16string& mask,
                  const std::function<bool(const std::u16string& name)>& onMatch);

// One search of folder for several masks: result[i] holds the names matching
// masks[i] (as ForEachMatch would give them), in the order of the search.
// A name matching two masks is in both lists.
std::vector<std::vector<std::u16string>> FindMatches(const std::u16string& folder,
                                                     const std::vector<std::u16string>& masks);

bool FileExists(const std::u16string& path);
bool DeleteFileAt(const std::u16string& path);
// Moves from over to, replacing to if it exists; false leaves to untouched.
bool ReplaceFileWith(const std::u16string& from, const std::u16string& to);
// Creates (or truncates) a file holding the UTF-16LE byte-order mark and then
// text, so that the profile functions keep writing it as UTF-16.
bool CreateUnicodeTextFile(const std::u16string& path, const std::u16string& text = u"");

// Private-profile (INI) access, one key per call, no file kept open.
// Reads at most 2047 characters of a value.
std::u16string ReadProfileText(const std::u16string& path, const std::u16string& section,
                               const std::u16string& key, const std::u16string& fallback);
bool WriteProfileText(const std::u16string& path, const std::u16string& section,
                      const std::u16string& key, const std::u16string& value);
int32_t ReadProfileInt(const std::u16string& path, const std::u16string& section,
                       const std::u16string& key, int32_t fallback);
// Calls onEntry(i, entry) with every entry of the first section called
// sections[i], in file order, as one GetPrivateProfileSectionW call gives
// them: "key=value", or a bare key for a line without '='; blanks around
// either part may stay. Comments and blank lines are left out; a missing file
// or section has no entries. The result holds, for each section, false when
// it was too large to read whole (and nothing of it was passed on).
// The entries point into texts, which the read adds to and whose strings stay
// where they are, so the entries stay valid as long as texts does.
using ProfileSectionTexts = std::deque<std::u16string>;
std::vector<bool> ReadProfileSections(
    const std::u16string& path, const std::vector<std::u16string>& sections,
    const std::function<void(size_t section, std::u16string_view entry)>& onEntry,
    ProfileSectionTexts& texts);
// The same with entries valid only during onEntry.
std::vector<bool> ReadProfileSections(
    const std::u16string& path, const std::vector<std::u16string>& sections,
    const std::function<void(size_t section, std::u16string_view entry)>& onEntry);

// Clock sources for seeding the random draws.
bool ReadPerformanceCounter(uint64_t& value);
uint32_t TickCount();

}  // namespace platform
