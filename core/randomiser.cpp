#include "randomiser.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/skin_entry.h"
#include "platform/ini_int.h"
#include "platform/platform.h"
#include "platform/profile_section.h"
#include "platform/text.h"

namespace kaleidra {

host::HostRef<host::IAIMPSkinsService> SkinsService;
host::HostRef<host::IAIMPMenuService> MenuService;
bool PluginActive = false;

namespace {

SeedSource& InjectedSeedSource() {
  static SeedSource source;
  return source;
}

uint32_t ClockSeed() {
  uint64_t counter = 0;
  if (platform::ReadPerformanceCounter(counter)) return static_cast<uint32_t>(counter);
  return platform::TickCount();
}

uint32_t NextSeed() {
  const SeedSource& injected = InjectedSeedSource();
  return injected ? injected() : ClockSeed();
}

// The draws of one pick that needs a draw per candidate: seeded once, as
// seeds from the clock taken microseconds apart would hardly differ.
// SplitMix64; the high half of a step scaled into 0..n-1.
class PickGenerator {
 public:
  explicit PickGenerator(uint32_t seed) : state_(seed) {}
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(((Next() >> 32) * n) >> 32); }

 private:
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  uint64_t state_;
};

// One slot's token: which list or range fills it, when its gate is open.
std::u16string SlotToken(bool gateOpen, bool listFlag, int modeItem,
                         const std::u16string& listToken, const std::u16string& rangeToken) {
  if (!gateOpen) return {};
  if (listFlag) return listToken;
  if (modeItem == 1) return rangeToken;
  return {};
}

ChangeRequest BuildRequest(const SettingsView& s, bool colorGate, bool intensityGate,
                           bool skinGate) {
  ChangeRequest r;
  r.slots[0] = SlotToken(colorGate, s.AllowMyColors, s.ChooseColor, kTokenMyColor, kTokenColor);
  r.slots[1] = SlotToken(intensityGate, s.AllowMyIntensities, s.ChooseIntensity, kTokenMyIntensity,
                         kTokenIntensity);
  r.slots[2] = SlotToken(skinGate, s.AllowMySkins, s.SkinMethod, kTokenMySkin, kTokenSkin);
  return r;
}

std::u16string KeyWithNumber(const char16_t* stem, int32_t k) {
  return std::u16string(stem) + platform::ToDecimal(k);
}

// One list of the lists file as a pick reads it: a key read per key, as the
// file is, or from one read of the section when its count is above
// kListCountChecked, where a pick that looks at every entry would otherwise
// read the file once per entry.
class ListKeys {
 public:
  ListKeys(const char16_t* section, const char16_t* stem)
      : path_(ListsFilePath()), keys_(path_), section_(section), stem_(stem) {
    count_ = keys_.Int(section_, u"Count", 0);
    if (count_ > kListCountChecked) {
      whole_.emplace(path_, std::vector<std::u16string>{section_});
      count_ = ListCount(*whole_, section_, stem_);
    }
  }
  int32_t Count() const { return count_; }
  std::u16string Text(int32_t k) const {
    const std::u16string key = KeyWithNumber(stem_, k);
    return whole_ ? whole_->Text(section_, key, u"") : keys_.Text(section_, key, u"");
  }
  int32_t Int(int32_t k) const { return platform::ParseIniInt(Text(k), 0); }

 private:
  std::u16string path_;
  platform::ProfileKeys keys_;
  const char16_t* section_;
  const char16_t* stem_;
  std::optional<platform::ProfileSections> whole_;
  int32_t count_ = 0;
};

int32_t PickIndex(const char16_t* section, const char16_t* stem, int32_t maxIndex) {
  const ListKeys list(section, stem);
  if (list.Count() <= 0) return 0;
  return std::clamp(list.Int(RandomBelow(list.Count()) + 1), 0, maxIndex);
}

}  // namespace

ChangeRequest BuildMenuRequest(const SettingsView& s) {
  return BuildRequest(s, true, true, true);
}

ChangeRequest BuildStartupRequest(const SettingsView& s) {
  return BuildRequest(s, s.CSChk, s.IntenChk, s.SkinChk);
}

ChangeRequest BuildTimerRequest(const SettingsView& s) {
  return BuildRequest(s, s.TimerAllowChangeColor && s.CSChk,
                      s.TimerAllowChangeIntensity && s.IntenChk,
                      s.TimerAllowChangeSkins && s.SkinChk);
}

void SetSeedSource(SeedSource source) {
  InjectedSeedSource() = std::move(source);
}

int32_t RandomBelow(int32_t n) {
  if (n < 1) return 0;
  uint32_t seed = NextSeed();
  // The classic 32-bit linear congruential step; the high half of the
  // product scales it into 0..n-1 without modulo bias worth speaking of.
  seed = seed * 134775813u + 1u;
  return static_cast<int32_t>((static_cast<uint64_t>(seed) * static_cast<uint32_t>(n)) >> 32);
}

std::u16string CurrentSkinName(host::IAIMPSkinsService* skins) {
  char16_t buffer[513] = {};
  skins->ReadCurrentSkin(buffer, 512, nullptr, nullptr);
  return platform::FromBuffer(buffer, 512);
}

std::u16string SkinsFolder() {
  return platform::ExecutableFolder() + u"Skins\\";
}
std::u16string SettingsFilePath() {
  return platform::ExecutableFolder() + u"Plugins\\orvo_aimp_kaleidra.ini";
}
std::u16string ListsFilePath() {
  return platform::ExecutableFolder() + u"Plugins\\orvo_aimp_kaleidrap.ini";
}

// One pass over the folder search keeping one name (reservoir sampling): the
// n-th candidate replaces the kept one with chance 1/n, so each of any number
// of files, and the built-in skin, ends up kept with the same chance.
std::u16string PickAnySkin() {
  PickGenerator generator(NextSeed());
  std::u16string kept;  // the built-in skin, the first candidate
  uint32_t candidates = 1;
  auto consider = [&](const std::u16string& name) {
    if (!IsSkinFileName(name)) return true;
    ++candidates;
    if (generator.Below(candidates) == 0) kept = name;
    return true;
  };
  const std::u16string folder = SkinsFolder();
  platform::ForEachMatch(folder, u"*.acs3", consider);
  platform::ForEachMatch(folder, u"*.acs2", consider);
  return kept;
}

std::u16string PickMySkin(host::IAIMPSkinsService* skins) {
  const std::u16string current = CurrentSkinName(skins);
  const ListKeys list(u"Skins", u"SkinName");
  const int32_t count = list.Count();
  if (count <= 0) return {};
  // A listed name the player must not be handed stands for the built-in skin,
  // as it does once the lists have been loaded and saved again.
  auto nameAt = [&list](int32_t k) {
    std::u16string name = list.Text(k);
    return IsSkinFileName(name) ? name : std::u16string();
  };
  std::u16string candidate = nameAt(RandomBelow(count) + 1);
  if (count == 1) return candidate;
  for (int draws = 1; candidate == current && draws < kMaxSkinRedraws; ++draws)
    candidate = nameAt(RandomBelow(count) + 1);
  if (candidate != current) return candidate;
  // Drawing keeps landing on the skin in use: choose among the others, if any.
  std::vector<std::u16string> others;
  for (int32_t k = 1; k <= count; ++k) {
    std::u16string name = nameAt(k);
    if (name != current) others.push_back(std::move(name));
  }
  if (others.empty()) return current;
  return others[static_cast<size_t>(RandomBelow(static_cast<int32_t>(others.size())))];
}

int32_t PickMyColor() {
  return PickIndex(u"Colors", u"ColorID", 200);
}
int32_t PickMyIntensity() {
  return PickIndex(u"Intensities", u"IntensityID", 100);
}

void ApplyChangeRequest(host::IAIMPSkinsService* skins, const ChangeRequest& request) {
  std::u16string skin = CurrentSkinName(skins);
  int32_t hue = 0;
  int32_t intensity = 0;
  skins->ReadCurrentSkin(nullptr, 0, &hue, &intensity);
  for (const std::u16string& token : request.slots) {
    if (token == kTokenColor)
      hue = RandomBelow(256);
    else if (token == kTokenMyColor)
      hue = PickMyColor();
    else if (token == kTokenIntensity)
      intensity = RandomBelow(101);
    else if (token == kTokenMyIntensity)
      intensity = PickMyIntensity();
    else if (token == kTokenSkin)
      skin = PickAnySkin();
    else if (token == kTokenMySkin)
      skin = PickMySkin(skins);
  }
  skins->ApplySkin(skin.c_str(), hue, intensity);
}

}  // namespace kaleidra
