// The settings file against the platform's private-profile functions: what a
// load makes of stored texts, the text a save writes, round trips, keys of
// others kept, and a write that fails.
#include "plugin/settings_file.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "core/randomiser.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "plugin/write_error.h"
#include "tests/support/fixture.h"
#include "ui/settings/settings_window.h"
#include "ui/toolkit/testing/user_actions.h"

namespace kaleidra {
namespace {

const char kIni[] = "Plugins\\orvo_aimp_kaleidra.ini";

// Everything a load decides, with the values a load of no file gives.
struct Loaded {
  bool CSChk = true;
  bool IntenChk = false;
  bool SkinChk = false;
  int ChooseColor = 1;
  int ChooseIntensity = 1;
  int SkinMethod = 1;
  bool AllowMyColors = false;
  bool AllowMyIntensities = false;
  bool AllowMySkins = false;
  bool TimerChk = false;
  int32_t TimerInterval = 30;
  uint32_t timerPeriod = 0;  // 0: stopped
  bool AllowChangeColor = false;
  bool AllowChangeIntensity = false;
  bool AllowChangeSkins = false;

  auto Tie() const {
    return std::tie(CSChk, IntenChk, SkinChk, ChooseColor, ChooseIntensity, SkinMethod,
                    AllowMyColors, AllowMyIntensities, AllowMySkins, TimerChk, TimerInterval,
                    timerPeriod, AllowChangeColor, AllowChangeIntensity, AllowChangeSkins);
  }
  bool operator==(const Loaded& o) const { return Tie() == o.Tie(); }
};

void PrintTo(const Loaded& s, std::ostream* os) {
  *os << "{boxes " << s.CSChk << s.IntenChk << s.SkinChk << ", groups " << s.ChooseColor
      << s.ChooseIntensity << s.SkinMethod << ", flags " << s.AllowMyColors << s.AllowMyIntensities
      << s.AllowMySkins << ", timer " << s.TimerChk << " " << s.TimerInterval << "s "
      << s.timerPeriod << "ms, allow " << s.AllowChangeColor << s.AllowChangeIntensity
      << s.AllowChangeSkins << "}";
}

// Reads the state back, checking what must always agree with it.
Loaded Read(const TSettingsForm& f) {
  Loaded s;
  s.CSChk = f.CSChk->Checked();
  s.IntenChk = f.IntenChk->Checked();
  s.SkinChk = f.SkinChk->Checked();
  s.ChooseColor = f.ChooseColor->ItemIndex();
  s.ChooseIntensity = f.ChooseIntensity->ItemIndex();
  s.SkinMethod = f.SkinMethod->ItemIndex();
  s.AllowMyColors = AllowMyColors;
  s.AllowMyIntensities = AllowMyIntensities;
  s.AllowMySkins = AllowMySkins;
  s.TimerChk = f.TimerChk->Checked();
  s.TimerInterval = f.TimerInterval->Value();
  s.timerPeriod = f.Timer.Running() ? f.Timer.Interval() : 0;
  s.AllowChangeColor = f.TimerAllowChangeColor->Checked();
  s.AllowChangeIntensity = f.TimerAllowChangeIntensity->Checked();
  s.AllowChangeSkins = f.TimerAllowChangeSkins->Checked();
  EXPECT_EQ(f.BtnColorsRange->Enabled(), AllowMyColors);
  EXPECT_EQ(f.BtnIntensitiesRange->Enabled(), AllowMyIntensities);
  EXPECT_EQ(f.SkinSelBtn->Enabled(), AllowMySkins);
  EXPECT_EQ(f.TimerOptions->Enabled(), f.TimerChk->Checked());
  return s;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  // A window as Initialize creates it, loaded from the file as it stands.
  std::unique_ptr<TSettingsForm> Load() {
    auto form = std::make_unique<TSettingsForm>();
    LoadSettingsFile(*form);
    return form;
  }
  std::u16string Value(const char16_t* section, const char16_t* key) const {
    return platform::ReadProfileText(kaleidra::SettingsFilePath(), section, key, u"<none>");
  }

  fixture::PlayerFolder folder;
};

struct LoadCase {
  const char* name;
  const char* ini;  // nullptr: no file
  std::function<void(Loaded&)> expect;
};

const LoadCase kLoadCases[] = {
    {"no file", nullptr, [](Loaded&) {}},
    {"own colours", "[Main]\r\nRandomColor=1\r\nAllowMyColors=1\r\n",
     [](Loaded& s) {
       s.ChooseColor = 2;
       s.AllowMyColors = true;
     }},
    {"own brightness", "[Main]\r\nRandomIntensity=1\r\nAllowMyIntensities=1\r\n",
     [](Loaded& s) {
       s.IntenChk = true;
       s.ChooseIntensity = 2;
       s.AllowMyIntensities = true;
     }},
    {"own skins", "[Main]\r\nRandomSkin=1\r\nAllowMySkins=1\r\n",
     [](Loaded& s) {
       s.SkinChk = true;
       s.SkinMethod = 2;
       s.AllowMySkins = true;
     }},
    {"all three lists",
     "[Main]\r\nRandomIntensity=1\r\nRandomSkin=1\r\nAllowMySkins=1\r\nAllowMyColors=1\r\n"
     "AllowMyIntensities=1\r\n",
     [](Loaded& s) {
       s.IntenChk = s.SkinChk = true;
       s.ChooseColor = s.ChooseIntensity = s.SkinMethod = 2;
       s.AllowMyColors = s.AllowMyIntensities = s.AllowMySkins = true;
     }},
    {"list flags without their start-up boxes",
     "[Main]\r\nRandomColor=0\r\nAllowMyColors=1\r\nAllowMySkins=1\r\nAllowMyIntensities=1\r\n",
     [](Loaded& s) {
       s.CSChk = false;
       s.ChooseColor = s.ChooseIntensity = s.SkinMethod = 2;
       s.AllowMyColors = s.AllowMyIntensities = s.AllowMySkins = true;
     }},
    {"groups switched off", "[Main]\r\nAllowColors=0\r\nAllowIntensities=0\r\nAllowSkins=0\r\n",
     [](Loaded& s) { s.ChooseColor = s.ChooseIntensity = s.SkinMethod = 0; }},
    {"a list flag wins over its group switched off",
     "[Main]\r\nAllowColors=0\r\nAllowMyColors=1\r\nAllowSkins=0\r\nAllowMySkins=1\r\n",
     [](Loaded& s) {
       s.ChooseColor = s.SkinMethod = 2;
       s.AllowMyColors = s.AllowMySkins = true;
     }},
    {"timer on", "[Timer]\r\nTimerOn=1\r\nTimerInterval=45\r\n",
     [](Loaded& s) {
       s.TimerChk = true;
       s.TimerInterval = 45;
       s.timerPeriod = 45000;
     }},
    {"interval below the range", "[Timer]\r\nTimerOn=1\r\nTimerInterval=10\r\n",
     [](Loaded& s) {
       s.TimerChk = true;
       s.timerPeriod = 30000;
     }},
    {"interval above the range", "[Timer]\r\nTimerOn=1\r\nTimerInterval=100000\r\n",
     [](Loaded& s) {
       s.TimerChk = true;
       s.TimerInterval = 86400;
       s.timerPeriod = 86400000;
     }},
    {"interval not a number", "[Timer]\r\nTimerInterval=abc\r\n", [](Loaded&) {}},
    {"interval stored, timer off", "[Timer]\r\nTimerInterval=600\r\n",
     [](Loaded& s) { s.TimerInterval = 600; }},
    {"timer permissions", "[Timer]\r\nAllowChangeColor=1\r\nAllowChangeSkins=1\r\n",
     [](Loaded& s) { s.AllowChangeColor = s.AllowChangeSkins = true; }},
    {"non-zero integers are true",
     "[Main]\r\nRandomIntensity=2\r\nRandomSkin=-1\r\n[Timer]\r\nAllowChangeIntensity=0x1\r\n",
     [](Loaded& s) { s.IntenChk = s.SkinChk = s.AllowChangeIntensity = true; }},
    {"hexadecimal zero is false", "[Main]\r\nRandomColor=0x0\r\n",
     [](Loaded& s) { s.CSChk = false; }},
    {"a word or an empty value is the default",
     "[Main]\r\nRandomColor=\r\nRandomIntensity=true\r\n[Timer]\r\nTimerOn=yes\r\n",
     [](Loaded&) {}},
};

TEST_F(SettingsFileTest, LoadsStoredTextsIntoTheWindow) {
  for (const LoadCase& c : kLoadCases) {
    SCOPED_TRACE(c.name);
    fixture::PlayerFolder player;  // a fresh file for each case
    if (c.ini) player.Write(kIni, c.ini);
    Loaded expected;
    c.expect(expected);
    const auto form = Load();
    EXPECT_EQ(Read(*form), expected);
  }
}

TEST_F(SettingsFileTest, SaveWithoutChangesWritesEveryKeyInOrder) {
  SaveSettingsFile(*Load());
  EXPECT_EQ(folder.Read(kIni),
            "[Main]\r\n"
            "AllowColors=1\r\n"
            "AllowIntensities=1\r\n"
            "AllowSkins=1\r\n"
            "RandomColor=1\r\n"
            "RandomIntensity=0\r\n"
            "RandomSkin=0\r\n"
            "AllowMySkins=0\r\n"
            "AllowMyColors=0\r\n"
            "AllowMyIntensities=0\r\n"
            "[Timer]\r\n"
            "TimerOn=0\r\n"
            "TimerInterval=30\r\n"
            "AllowChangeColor=0\r\n"
            "AllowChangeIntensity=0\r\n"
            "AllowChangeSkins=0\r\n");
}

TEST_F(SettingsFileTest, SaveThenLoadGivesTheStateBack) {
  struct Permissions {
    bool color, intensity, skins;
  };
  for (const Permissions p : {Permissions{true, false, true}, Permissions{false, true, false}}) {
    SCOPED_TRACE(std::to_string(p.color) + std::to_string(p.intensity) + std::to_string(p.skins));
    fixture::PlayerFolder player;
    Loaded saved;
    {
      auto form = Load();
      form->Show();
      toolkit::test::Click(*form->SkinChk);
      toolkit::test::ClickItem(*form->SkinMethod, 2);
      toolkit::test::ClickItem(*form->ChooseIntensity, 0);
      toolkit::test::Click(*form->TimerChk);
      toolkit::test::Type(*form->TimerInterval, u"120");
      if (p.color) toolkit::test::Click(*form->TimerAllowChangeColor);
      if (p.intensity) toolkit::test::Click(*form->TimerAllowChangeIntensity);
      if (p.skins) toolkit::test::Click(*form->TimerAllowChangeSkins);
      toolkit::test::ClickCloseBox(*form);
      saved = Read(*form);
      SaveSettingsFile(*form);
    }
    EXPECT_NE(player.Read(kIni).find("AllowIntensities=0\r\n"), std::string::npos);
    EXPECT_EQ(Read(*Load()), saved);
  }
}

// What a start and the menu command do with the mode choices of one session.
struct Choices {
  std::array<int, 3> groups;  // ChooseColor, ChooseIntensity, SkinMethod
  std::array<bool, 3> boxes;  // CSChk, IntenChk, SkinChk
  std::array<bool, 3> flags;  // AllowMyColors, AllowMyIntensities, AllowMySkins
  kaleidra::ChangeRequest startup, menu;

  auto Tie() const { return std::tie(groups, boxes, flags, startup.slots, menu.slots); }
  bool operator==(const Choices& o) const { return Tie() == o.Tie(); }
};

void PrintTo(const Choices& c, std::ostream* os) {
  auto slots = [os](const kaleidra::ChangeRequest& r) {
    for (const std::u16string& slot : r.slots) *os << " " << platform::ToUtf8(slot) << ";";
  };
  *os << "{groups " << c.groups[0] << c.groups[1] << c.groups[2] << ", boxes " << c.boxes[0]
      << c.boxes[1] << c.boxes[2] << ", flags " << c.flags[0] << c.flags[1] << c.flags[2]
      << ", start-up";
  slots(c.startup);
  *os << " menu";
  slots(c.menu);
  *os << "}";
}

Choices ChoicesOf(const TSettingsForm& f) {
  const kaleidra::SettingsView view = f.View();
  return {{f.ChooseColor->ItemIndex(), f.ChooseIntensity->ItemIndex(), f.SkinMethod->ItemIndex()},
          {f.CSChk->Checked(), f.IntenChk->Checked(), f.SkinChk->Checked()},
          {AllowMyColors, AllowMyIntensities, AllowMySkins},
          kaleidra::BuildStartupRequest(view),
          kaleidra::BuildMenuRequest(view)};
}

// Every group item with its start-up box ticked and clear, for the three
// properties at once: the six states of each are independent of the others'.
TEST_F(SettingsFileTest, EveryModeChoiceSurvivesARestart) {
  const auto path = kaleidra::SettingsFilePath();
  for (int state = 0; state < 6 * 6 * 6; ++state) {
    int rest = state;
    Choices chosen;
    {
      auto form = Load();
      toolkit::RadioGroup* groups[] = {form->ChooseColor, form->ChooseIntensity, form->SkinMethod};
      toolkit::CheckBox* boxes[] = {form->CSChk, form->IntenChk, form->SkinChk};
      for (int i = 0; i < 3; ++i, rest /= 6) {
        boxes[i]->SetChecked(rest % 2 == 1);
        groups[i]->SetItemIndex(rest % 6 / 2);
      }
      chosen = ChoicesOf(*form);
      SaveSettingsFile(*form);
    }
    SCOPED_TRACE(::testing::PrintToString(chosen));
    EXPECT_EQ(ChoicesOf(*Load()), chosen);
    platform::DeleteFileAt(path);
  }
}

TEST_F(SettingsFileTest, KeysOfOthersSurviveASave) {
  folder.Write(kIni, "[Main]\r\nRandomSkin=1\r\nLastSkin=Ocean.acs3\r\n[Window]\r\nLeft=100\r\n");
  SaveSettingsFile(*Load());
  EXPECT_EQ(Value(u"Main", u"LastSkin"), u"Ocean.acs3");
  EXPECT_EQ(Value(u"Window", u"Left"), u"100");
  EXPECT_EQ(Value(u"Main", u"RandomSkin"), u"1");
  EXPECT_EQ(Value(u"Timer", u"AllowChangeSkins"), u"0");
}

TEST_F(SettingsFileTest, FailedWriteNamesTheFile) {
  folder.Remove("Plugins");  // the profile functions create files, not folders
  const auto form = Load();
  try {
    SaveSettingsFile(*form);
    ADD_FAILURE() << "the save did not fail";
  } catch (const WriteError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Unable to write to " + platform::ToUtf8(kaleidra::SettingsFilePath()));
    EXPECT_EQ(e.Path(), kaleidra::SettingsFilePath());
  }
  EXPECT_FALSE(folder.Exists("Plugins"));
}

}  // namespace
}  // namespace kaleidra
