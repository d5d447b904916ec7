// libFuzzer target: the integer reader, the private-profile stand-in and the
// two file loads on the headless build. The first input byte picks the part;
// the rest is its input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/randomiser.h"
#include "platform/ini_int.h"
#include "platform/platform.h"
#include "platform/profile_section.h"
#include "platform/text.h"
#include "plugin/selection_lists.h"
#include "plugin/settings_file.h"
#include "tests/support/fixture.h"
#include "ui/settings/settings_window.h"

namespace {

const char kSettings[] = "Plugins\\orvo_aimp_kaleidra.ini";
const char kLists[] = "Plugins\\orvo_aimp_kaleidrap.ini";
const char kScratch[] = "Plugins\\scratch.ini";

const fixture::PlayerFolder& Folder() {
  static const fixture::PlayerFolder folder;
  return folder;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

std::u16string Utf16Units(const uint8_t* data, size_t size) {
  std::u16string text;
  for (size_t i = 0; i + 1 < size; i += 2)
    text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  return text;
}

void FuzzIniInt(const uint8_t* data, size_t size) {
  const std::u16string text = Utf16Units(data, size);
  const int32_t value = platform::ParseIniInt(text, 12345);
  // A value the reader gives back is read again from its decimal text.
  Require(platform::ParseIniInt(platform::ToDecimal(value), 0) == value);
}

// A name the profile functions keep as written: no line break, '=', brackets,
// ';', quotes or blanks at either end.
std::u16string CleanName(const uint8_t*& p, const uint8_t* end, size_t most) {
  std::u16string s;
  const size_t n = p < end ? *p++ % (most + 1) : 0;
  for (size_t i = 0; i < n && p < end; ++i, ++p) s += static_cast<char16_t>(u'a' + *p % 26);
  return s;
}

// Writes keys, then reads each one back: the last write of a name wins.
void FuzzProfile(const uint8_t* data, size_t size) {
  const std::u16string path = Folder().Path(kScratch);
  platform::DeleteFileAt(path);
  if (size > 0 && data[0] & 1) platform::CreateUnicodeTextFile(path);
  const uint8_t* p = data + (size > 0 ? 1 : 0);
  const uint8_t* end = data + size;
  struct Write {
    std::u16string section, key, value;
  };
  std::vector<Write> writes;
  while (p < end && writes.size() < 32) {
    Write w{CleanName(p, end, 3), CleanName(p, end, 3), CleanName(p, end, 40)};
    if (w.section.empty() || w.key.empty()) continue;
    Require(platform::WriteProfileText(path, w.section, w.key, w.value));
    writes.push_back(std::move(w));
  }
  for (size_t i = 0; i < writes.size(); ++i) {
    const Write& w = writes[i];
    std::u16string expected = w.value;
    for (size_t j = i + 1; j < writes.size(); ++j)
      if (writes[j].section == w.section && writes[j].key == w.key) expected = writes[j].value;
    Require(platform::ReadProfileText(path, w.section, w.key, u"-") == expected);
    Require(platform::ProfileSections(path, {w.section}).Text(w.section, w.key, u"-") == expected);
  }
}

void FuzzSettingsLoad(const uint8_t* data, size_t size) {
  Folder().Write(kSettings, std::string(reinterpret_cast<const char*>(data), size));
  kaleidra::AllowMySkins = kaleidra::AllowMyColors = kaleidra::AllowMyIntensities = false;
  kaleidra::TSettingsForm form;
  kaleidra::LoadSettingsFile(form);
  const int32_t interval = form.TimerInterval->Value();
  Require(interval >= 30 && interval <= 86400);
}

void FuzzListsLoad(const uint8_t* data, size_t size) {
  Folder().Write(kLists, std::string(reinterpret_cast<const char*>(data), size));
  const kaleidra::SelectionLists lists = kaleidra::ReadSelectionListsFile(Folder().Path(kLists));
  // A count above the floor goes no further than the lines of its section.
  const size_t bound = std::max(static_cast<size_t>(kaleidra::kListCountChecked), size);
  Require(lists.skinNames.size() <= bound && lists.colorIndices.size() <= bound &&
          lists.intensityIndices.size() <= bound);
  for (int32_t i : lists.colorIndices) Require(i >= 0 && i <= 200);
  for (int32_t i : lists.intensityIndices) Require(i >= 0 && i <= 100);
  for (const std::u16string& name : lists.skinNames) Require(name.size() <= 2047);
  const kaleidra::SelectionLists byKey =
      kaleidra::ReadSelectionListsFileKeyByKey(Folder().Path(kLists));
  Require(byKey.skinNames == lists.skinNames && byKey.colorIndices == lists.colorIndices &&
          byKey.intensityIndices == lists.intensityIndices);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t* body = data + 1;
  const size_t rest = size - 1;
  switch (data[0] % 4) {
    case 0:
      FuzzIniInt(body, rest);
      break;
    case 1:
      FuzzProfile(body, rest);
      break;
    case 2:
      FuzzSettingsLoad(body, rest);
      break;
    default:
      FuzzListsLoad(body, rest);
      break;
  }
  return 0;
}
