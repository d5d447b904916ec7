#include "selection_lists.h"

#include <algorithm>

#include "core/msaver.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "plugin/write_error.h"

namespace kaleidra {

namespace {

struct Section {
  const char16_t* name;
  const char16_t* stem;
};
constexpr Section kSkins{u"Skins", u"SkinName"};
constexpr Section kColors{u"Colors", u"ColorID"};
constexpr Section kIntensities{u"Intensities", u"IntensityID"};

std::u16string EntryKey(const Section& section, size_t k) {
  return section.stem + platform::ToDecimal(static_cast<int64_t>(k));
}

int32_t StoredCount(const std::u16string& path, const Section& section) {
  return std::min(platform::ReadProfileInt(path, section.name, u"Count", 0), msaver::kMaxListCount);
}

std::vector<int32_t> ReadIndices(const std::u16string& path, const Section& section,
                                 int32_t maxIndex) {
  std::vector<int32_t> indices;
  const int32_t count = StoredCount(path, section);
  for (int32_t k = 1; k <= count; ++k) {
    const int32_t value =
        platform::ReadProfileInt(path, section.name, EntryKey(section, static_cast<size_t>(k)), 0);
    indices.push_back(std::clamp(value, 0, maxIndex));
  }
  return indices;
}

class ListsWriter {
 public:
  ListsWriter(std::u16string target, std::u16string scratch)
      : target_(std::move(target)), scratch_(std::move(scratch)) {}

  void Put(const Section& section, const std::u16string& key, const std::u16string& value) {
    if (!platform::WriteProfileText(scratch_, section.name, key, value)) throw WriteError(target_);
  }

  template <class T, class ToText>
  void PutSection(const Section& section, const std::vector<T>& values, ToText toText) {
    if (values.empty()) return;
    Put(section, u"Count", platform::ToDecimal(static_cast<int64_t>(values.size())));
    for (size_t k = 1; k <= values.size(); ++k)
      Put(section, EntryKey(section, k), toText(values[k - 1]));
  }

 private:
  std::u16string target_;
  std::u16string scratch_;
};

}  // namespace

SelectionLists ReadSelectionListsFile(const std::u16string& path) {
  SelectionLists lists;
  const int32_t skins = StoredCount(path, kSkins);
  for (int32_t k = 1; k <= skins; ++k)
    lists.skinNames.push_back(platform::ReadProfileText(
        path, kSkins.name, EntryKey(kSkins, static_cast<size_t>(k)), u""));
  lists.colorIndices = ReadIndices(path, kColors, 200);
  lists.intensityIndices = ReadIndices(path, kIntensities, 100);
  return lists;
}

void WriteSelectionListsFile(const std::u16string& path, const SelectionLists& lists) {
  if (lists.skinNames.empty() && lists.colorIndices.empty() && lists.intensityIndices.empty()) {
    platform::DeleteFileAt(path);
    return;
  }
  const std::u16string scratch = path + u".new";
  platform::DeleteFileAt(scratch);
  if (!platform::CreateUnicodeTextFile(scratch)) throw WriteError(path);
  try {
    ListsWriter writer(path, scratch);
    writer.PutSection(kSkins, lists.skinNames, [](const std::u16string& name) { return name; });
    auto decimal = [](int32_t index) { return platform::ToDecimal(index); };
    writer.PutSection(kColors, lists.colorIndices, decimal);
    writer.PutSection(kIntensities, lists.intensityIndices, decimal);
    if (!platform::ReplaceFileWith(scratch, path)) throw WriteError(path);
  } catch (...) {
    platform::DeleteFileAt(scratch);
    throw;
  }
}

}  // namespace kaleidra
