#include "plugin/settings_file.h"

#include <array>
#include <cstddef>

#include "core/randomiser.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "plugin/write_error.h"
#include "ui/settings/settings_window.h"

namespace kaleidra {

namespace {

constexpr int kNoneItem = 0;
constexpr int kWholeRangeItem = 1;

bool IsOn(const toolkit::RadioGroup* group) {
  return group->ItemIndex() != 0;
}

// Every key of the file, in the order a save writes them.
enum Key : size_t {
  kAllowColors,
  kAllowIntensities,
  kAllowSkins,
  kRandomColor,
  kRandomIntensity,
  kRandomSkin,
  kAllowMySkins,
  kAllowMyColors,
  kAllowMyIntensities,
  kTimerOn,
  kTimerInterval,
  kAllowChangeColor,
  kAllowChangeIntensity,
  kAllowChangeSkins,
  kKeyCount
};

struct KeySpec {
  const char16_t* section;
  const char16_t* name;
  int32_t fallback;
  int32_t (*stored)(const TSettingsForm& form);  // the value a save writes
};

const char16_t kMain[] = u"Main";
const char16_t kTimer[] = u"Timer";

const std::array<KeySpec, kKeyCount> kKeys{{
    {kMain, u"AllowColors", 1,
     [](const TSettingsForm& f) -> int32_t { return IsOn(f.ChooseColor); }},
    {kMain, u"AllowIntensities", 1,
     [](const TSettingsForm& f) -> int32_t { return IsOn(f.ChooseIntensity); }},
    {kMain, u"AllowSkins", 1, [](const TSettingsForm& f) -> int32_t { return IsOn(f.SkinMethod); }},
    {kMain, u"RandomColor", 1,
     [](const TSettingsForm& f) -> int32_t { return f.CSChk->Checked(); }},
    {kMain, u"RandomIntensity", 0,
     [](const TSettingsForm& f) -> int32_t { return f.IntenChk->Checked(); }},
    {kMain, u"RandomSkin", 0,
     [](const TSettingsForm& f) -> int32_t { return f.SkinChk->Checked(); }},
    {kMain, u"AllowMySkins", 0, [](const TSettingsForm&) -> int32_t { return AllowMySkins; }},
    {kMain, u"AllowMyColors", 0, [](const TSettingsForm&) -> int32_t { return AllowMyColors; }},
    {kMain, u"AllowMyIntensities", 0,
     [](const TSettingsForm&) -> int32_t { return AllowMyIntensities; }},
    {kTimer, u"TimerOn", 0,
     [](const TSettingsForm& f) -> int32_t { return f.TimerChk->Checked(); }},
    {kTimer, u"TimerInterval", 30,
     [](const TSettingsForm& f) { return f.TimerInterval->Clamp(f.TimerInterval->Value()); }},
    {kTimer, u"AllowChangeColor", 0,
     [](const TSettingsForm& f) -> int32_t { return f.TimerAllowChangeColor->Checked(); }},
    {kTimer, u"AllowChangeIntensity", 0,
     [](const TSettingsForm& f) -> int32_t { return f.TimerAllowChangeIntensity->Checked(); }},
    {kTimer, u"AllowChangeSkins", 0,
     [](const TSettingsForm& f) -> int32_t { return f.TimerAllowChangeSkins->Checked(); }},
}};

// Reads keys of one file, each with its default.
class SettingsReader {
 public:
  int32_t Int(Key key) const {
    const KeySpec& k = kKeys[key];
    return platform::ReadProfileInt(path_, k.section, k.name, k.fallback);
  }
  bool Bool(Key key) const { return Int(key) != 0; }

 private:
  std::u16string path_ = kaleidra::SettingsFilePath();
};

}  // namespace

void LoadSettingsFile(TSettingsForm& form) {
  const SettingsReader file;
  // A group saved switched off comes back switched off.
  auto restore = [&file](toolkit::RadioGroup& group, Key allowed) {
    group.SetItemIndex(file.Bool(allowed) ? kWholeRangeItem : kNoneItem);
  };
  restore(*form.ChooseColor, kAllowColors);
  restore(*form.ChooseIntensity, kAllowIntensities);
  restore(*form.SkinMethod, kAllowSkins);

  form.CSChk->SetChecked(file.Bool(kRandomColor));
  form.IntenChk->SetChecked(file.Bool(kRandomIntensity));
  form.SkinChk->SetChecked(file.Bool(kRandomSkin));
  // A list in use comes back whatever the start-up boxes say, and puts its
  // group on the list even over a hand-edited "Allow..." of 0.
  AllowMyColors = file.Bool(kAllowMyColors);
  AllowMyIntensities = file.Bool(kAllowMyIntensities);
  AllowMySkins = file.Bool(kAllowMySkins);
  form.UpdateColorPage();

  form.TimerChk->SetChecked(file.Bool(kTimerOn));
  form.TimerChkClick();
  form.TimerInterval->SetValue(file.Int(kTimerInterval));
  form.TimerAllowChangeColor->SetChecked(file.Bool(kAllowChangeColor));
  form.TimerAllowChangeIntensity->SetChecked(file.Bool(kAllowChangeIntensity));
  form.TimerAllowChangeSkins->SetChecked(file.Bool(kAllowChangeSkins));
  if (form.TimerChk->Checked()) form.SetUpTimer();

  if (AllowMySkins) form.UpdateSkinPage();
  form.UpdateFills();
}

void SaveSettingsFile(const TSettingsForm& form) {
  const std::u16string path = kaleidra::SettingsFilePath();
  for (const KeySpec& key : kKeys) {
    if (!platform::WriteProfileText(path, key.section, key.name,
                                    platform::ToDecimal(key.stored(form))))
      throw WriteError(path);
  }
}

}  // namespace kaleidra
