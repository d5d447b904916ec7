// The randomiser: change requests, their builders, the draws and the picks.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/AIMPSDKAddons.h"

namespace kaleidra {

// The player's services, held from Initialize until the library is unloaded.
extern host::HostRef<host::IAIMPSkinsService> SkinsService;
extern host::HostRef<host::IAIMPMenuService> MenuService;
// True from a successful Initialize until Finalize. A menu command or a timer
// tick that still arrives outside that span must not reach the player.
extern bool PluginActive;

// The settings state as the request builders see it; the defaults are the
// values the settings window has when it is created.
struct SettingsView {
  bool CSChk = false;
  bool IntenChk = false;
  bool SkinChk = false;
  int ChooseColor = 1;  // 0 none, 1 whole range, 2 the user's list
  int ChooseIntensity = 1;
  int SkinMethod = 1;
  bool TimerAllowChangeColor = false;
  bool TimerAllowChangeIntensity = false;
  bool TimerAllowChangeSkins = false;
  bool AllowMySkins = false;
  bool AllowMyColors = false;
  bool AllowMyIntensities = false;
};

// Slots in processing order: colour, intensity, skin. Each is empty or a token.
struct ChangeRequest {
  std::array<std::u16string, 3> slots;
};

inline const std::u16string kTokenColor = u"cs";
inline const std::u16string kTokenMyColor = u"csm";
inline const std::u16string kTokenIntensity = u"in";
inline const std::u16string kTokenMyIntensity = u"inm";
inline const std::u16string kTokenSkin = u"sk";
inline const std::u16string kTokenMySkin = u"sm";

ChangeRequest BuildStartupRequest(const SettingsView& state);
ChangeRequest BuildMenuRequest(const SettingsView& state);
ChangeRequest BuildTimerRequest(const SettingsView& state);

// Reads the current look, replaces what the request asks for and applies the
// result with exactly one ApplySkin call.
void ApplyChangeRequest(host::IAIMPSkinsService* skins, const ChangeRequest& request);

// Uniform integer in 0..n-1 (0 when n < 1); the generator is re-seeded from
// the seed source immediately before every draw.
int32_t RandomBelow(int32_t n);
using SeedSource = std::function<uint32_t()>;
// Tests inject seeds; an empty source restores the clock.
void SetSeedSource(SeedSource source);

std::u16string CurrentSkinName(host::IAIMPSkinsService* skins);

// The built-in skin ("") or any "*.acs3" / "*.acs2" entry of the Skins folder
// that is a bare skin file name, each with the same chance however many
// there are: one pass over the "*.acs3" search and then one over the "*.acs2"
// search, with one name kept across both. The draws come from one seed of
// the seed source.
std::u16string PickAnySkin();

// A list's "Count" up to this is taken as stored. A larger one is taken only
// as far as the list's entries go in the file (HighestEntry), but never below
// this: a list the plug-in saved, however long, comes back whole, and a
// hand-edited count of 2147483647 costs no more than the file's length. The
// lists load and every pick use the same count.
constexpr int32_t kListCountChecked = 1000;
// Keys is platform::ProfileKeys or platform::ProfileSections.
template <class Keys>
int32_t ListCount(const Keys& keys, std::u16string_view section, std::u16string_view stem) {
  const int32_t stored = keys.Int(section, u"Count", 0);
  if (stored <= kListCountChecked) return stored;
  return std::min(stored, std::max(kListCountChecked, keys.HighestEntry(section, stem)));
}

// Draws from the user's lists as saved in the selection lists file.
// When drawing keeps hitting the skin in use this many times, the pick falls
// back to choosing among the listed names that differ from it, or returns the
// skin in use when there is none.
constexpr int kMaxSkinRedraws = 64;
std::u16string PickMySkin(host::IAIMPSkinsService* skins);
int32_t PickMyColor();
int32_t PickMyIntensity();

std::u16string SettingsFilePath();
std::u16string ListsFilePath();
std::u16string SkinsFolder();

}  // namespace kaleidra
