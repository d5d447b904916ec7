// The selection lists file: the user's skins, colours and brightness levels
// between runs, stored as names and palette indices.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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

// The same lists, the names as views of one text this holds: a load of
// thousands of names makes no string per name, and what the file read needed
// beyond the names is given back before the entries are made.
class SelectionListsView {
 public:
  explicit SelectionListsView(const std::u16string& path);
  SelectionListsView(const SelectionListsView&) = delete;
  SelectionListsView& operator=(const SelectionListsView&) = delete;
  std::vector<std::u16string_view> skinNames;
  std::vector<int32_t> colorIndices;
  std::vector<int32_t> intensityIndices;

 private:
  std::u16string names_;  // every name, one after another
};
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
