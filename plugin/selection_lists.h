// The selection lists file: the user's skins, colours and brightness levels
// between runs, stored as names and palette indices.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kaleidra {

struct SelectionLists {
  std::vector<std::u16string> skinNames;  // "" is the built-in skin
  std::vector<int32_t> colorIndices;      // 0..200 when read
  std::vector<int32_t> intensityIndices;  // 0..100 when read
};

// Reads the file at path, each section in one read. Counts are taken as
// kaleidra::ListCount gives them; a missing entry key reads as its default;
// indices are brought into range.
SelectionLists ReadSelectionListsFile(const std::u16string& path);
// The same with one private-profile read per key: what the one-section reads
// must agree with.
SelectionLists ReadSelectionListsFileKeyByKey(const std::u16string& path);

// Writes the lists anew. When every list is empty the file is removed, and
// one that cannot be removed throws WriteError.
// Otherwise the keys, as the profile functions lay them out, go into a new
// file beside the old one, which replaces the old file only when all of it
// was written: a failed save throws WriteError and leaves the old file as it
// was. The new file is UTF-16, so names outside the system's ANSI code page
// survive.
void WriteSelectionListsFile(const std::u16string& path, const SelectionLists& lists);

}  // namespace kaleidra
