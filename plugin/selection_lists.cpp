#include "selection_lists.h"

#include <algorithm>
#include <type_traits>

#include "core/randomiser.h"
#include "platform/platform.h"
#include "platform/profile_section.h"
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

// Keys is a way of reading the file's keys, platform::ProfileSections or
// platform::ProfileKeys, which give the same values.
template <class Keys>
int32_t StoredCount(const Keys& keys, const Section& section) {
  return kaleidra::ListCount(keys, section.name, section.stem);
}

template <class Keys>
std::vector<int32_t> ReadIndices(const Keys& keys, const Section& section, int32_t maxIndex) {
  std::vector<int32_t> indices =
      keys.EntryInts(section.name, section.stem, StoredCount(keys, section), 0);
  for (int32_t& index : indices) index = std::clamp(index, 0, maxIndex);
  return indices;
}

// Lists is SelectionLists or SelectionListsView, whose names are texts or
// views.
template <class Keys, class Lists>
void ReadLists(Keys& keys, Lists& lists) {
  const int32_t count = StoredCount(keys, kSkins);
  if constexpr (std::is_same_v<Lists, SelectionListsView>)
    lists.skinNames = keys.EntryViews(kSkins.name, kSkins.stem, count, u"");
  else
    lists.skinNames = keys.EntryTexts(kSkins.name, kSkins.stem, count, u"");
  lists.colorIndices = ReadIndices(keys, kColors, 200);
  lists.intensityIndices = ReadIndices(keys, kIntensities, 100);
}

std::vector<std::u16string> SectionNames() {
  return {kSkins.name, kColors.name, kIntensities.name};
}

// The keys of a section's entries, "SkinName1", "SkinName2", ..., made in one
// buffer.
class EntryKeys {
 public:
  explicit EntryKeys(const Section& section) : key_(section.stem), stem_(key_.size()) {}
  const std::u16string& operator()(size_t k) {
    key_.resize(stem_);
    key_ += platform::ToDecimal(static_cast<int64_t>(k));
    return key_;
  }

 private:
  std::u16string key_;
  size_t stem_;
};

// The text the profile functions would write into a new file key by key, made
// in one piece: each private-profile write reads and rewrites the whole file,
// which makes a long list cost time in the square of its length.
class ListsText {
 public:
  template <class T, class ToText>
  void PutSection(const Section& section, const std::vector<T>& values, ToText toText) {
    if (values.empty()) return;
    text_ += u"[" + std::u16string(section.name) + u"]\r\n";
    Put(u"Count", platform::ToDecimal(static_cast<int64_t>(values.size())));
    EntryKeys key(section);
    for (size_t k = 1; k <= values.size(); ++k) Put(key(k), toText(values[k - 1]));
  }
  const std::u16string& Text() const { return text_; }

 private:
  void Put(const std::u16string& key, const std::u16string& value) {
    text_ += key + u"=" + value + u"\r\n";
  }
  std::u16string text_;
};

}  // namespace

SelectionLists ReadSelectionListsFile(const std::u16string& path) {
  SelectionListsView view(path);
  SelectionLists lists;
  lists.skinNames.assign(view.skinNames.begin(), view.skinNames.end());
  lists.colorIndices = std::move(view.colorIndices);
  lists.intensityIndices = std::move(view.intensityIndices);
  return lists;
}

SelectionListsView::SelectionListsView(const std::u16string& path) {
  {
    platform::ProfileSections file(path, SectionNames());
    ReadLists(file, *this);
    size_t size = 0;
    for (const std::u16string_view name : skinNames) size += name.size();
    names_.reserve(size);
    for (const std::u16string_view name : skinNames) names_.append(name);
  }
  size_t at = 0;
  for (std::u16string_view& name : skinNames) {
    name = std::u16string_view(names_).substr(at, name.size());
    at += name.size();
  }
}

SelectionLists ReadSelectionListsFileKeyByKey(const std::u16string& path) {
  const platform::ProfileKeys keys(path);
  SelectionLists lists;
  ReadLists(keys, lists);
  return lists;
}

void WriteSelectionListsFile(const std::u16string& path, const SelectionLists& lists) {
  if (lists.skinNames.empty() && lists.colorIndices.empty() && lists.intensityIndices.empty()) {
    // A file left behind would bring the old lists back at the next start.
    if (!platform::DeleteFileAt(path) && platform::FileExists(path)) throw WriteError(path);
    return;
  }
  ListsText text;
  text.PutSection(kSkins, lists.skinNames, [](const std::u16string& name) { return name; });
  auto decimal = [](int32_t index) { return platform::ToDecimal(index); };
  text.PutSection(kColors, lists.colorIndices, decimal);
  text.PutSection(kIntensities, lists.intensityIndices, decimal);
  const std::u16string scratch = path + u".new";
  platform::DeleteFileAt(scratch);
  if (!platform::CreateUnicodeTextFile(scratch, text.Text()) ||
      !platform::ReplaceFileWith(scratch, path)) {
    platform::DeleteFileAt(scratch);
    throw WriteError(path);
  }
}

}  // namespace kaleidra
