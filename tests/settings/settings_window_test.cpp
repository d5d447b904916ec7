// The settings window: its layout and texts, the enable rules, the timer that
// closing the window sets up, and the timer's tick. The same bodies run
// headless and, in the Windows build, against real controls.
#include "ui/settings/settings_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fake_player/services.h"
#include "platform/platform.h"
#include "resources/banner.h"
#include "tests/support/screen_pixel.h"
#include "ui/settings/png_decoder.h"
#include "ui/toolkit/testing/painted.h"
#include "ui/toolkit/testing/screenshot.h"
#include "ui/toolkit/testing/time.h"
#include "ui/toolkit/testing/user_actions.h"
#include "ui/toolkit/timer.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kaleidra {
namespace {

using toolkit::Control;
using toolkit::Kind;
using toolkit::Rect;

class SettingsFormTest : public ::testing::Test {
 protected:
  ~SettingsFormTest() override {
    form.reset();
    kaleidra::SkinsService.Reset();
    kaleidra::PluginActive = false;
    kaleidra::SetSeedSource({});
    EXPECT_EQ(skins.Balance(), 0);
  }

  // Shows the window on the page that holds control, as a user would see it.
  void ShowPageOf(const Control& control) {
    form->Show();
    const Control* page = &control;
    while (page->GetKind() != Kind::TabSheet) page = page->Parent();
    const auto pages = form->Pages->Pages();
    for (size_t i = 0; i < pages.size(); ++i)
      if (pages[i] == page) toolkit::test::SelectPage(*form->Pages, static_cast<int>(i));
  }

  // The timer's period in milliseconds, 0 when it is stopped.
  uint32_t TimerPeriod() const { return form->Timer.Running() ? form->Timer.Interval() : 0; }

  // The window as a running plug-in holds it.
  void ProvideSkinsService() {
    skins.AddRef();
    kaleidra::SkinsService = host::HostRef<host::IAIMPSkinsService>(&skins);
    kaleidra::PluginActive = true;
  }

  fake_player::SkinsService skins;
  std::unique_ptr<TSettingsForm> form = std::make_unique<TSettingsForm>();
};

#ifdef _WIN32
HWND Hwnd(const Control& c) {
  return static_cast<HWND>(c.Handle());
}

std::u16string WindowText(const Control& c) {
  wchar_t text[512] = {};
  GetWindowTextW(Hwnd(c), text, 512);
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// The real window's rectangle within its parent window's client area.
Rect RealBounds(const Control& c) {
  return fixture::RealBounds(c.Handle());
}
#endif

struct Placed {
  const char* name;
  const char* parent;
  Kind kind;
  Rect bounds;
  std::u16string caption;
  uint8_t style;
  int tabOrder;  // -1: not a tab stop
};

constexpr uint8_t kBU = toolkit::kBold | toolkit::kUnderline;
constexpr uint8_t kB = toolkit::kBold;
constexpr uint8_t kU = toolkit::kUnderline;
constexpr uint8_t kR = toolkit::kRegular;

Rect At(int left, int top, int width, int height) {
  return Rect::FromBounds(left, top, width, height);
}

const std::vector<Placed>& Layout() {
  static const std::vector<Placed> layout{
      {"CSChk", "RunParam", Kind::CheckBox, At(40, 32, 337, 17),
       u"При запуске выбирать случайный цвет обложки", kBU, 1},
      {"IntenChk", "RunParam", Kind::CheckBox, At(40, 79, 337, 17),
       u"При запуске выбирать случайную яркость обложки", kBU, 0},
      {"SkinChk", "RunParam", Kind::CheckBox, At(40, 123, 332, 17),
       u"При запуске выбирать случайную обложку", kBU, 2},
      {"ChooseColor", "ColorsPage", Kind::RadioGroup, At(16, 14, 185, 105), u"Режим цветов: ", kR,
       0},
      {"ChooseIntensity", "ColorsPage", Kind::RadioGroup, At(223, 14, 185, 105), u"Режим яркости: ",
       kR, 1},
      {"BtnColorsRange", "ColorsPage", Kind::Button, At(126, 134, 75, 25), u"Выбрать...", kU, 2},
      {"BtnIntensitiesRange", "ColorsPage", Kind::Button, At(333, 133, 75, 25), u"Выбрать...", kU,
       3},
      {"Label1", "ColorsPage", Kind::Label, At(3, 141, 77, 13), u"Информация:", kB, -1},
      {"Memo1", "ColorsPage", Kind::Memo, At(3, 160, 417, 47), u"", kR, 4},
      {"SkinMethod", "SkinPage", Kind::RadioGroup, At(45, 18, 332, 97), u"Метод выборки обложек: ",
       kR, 0},
      {"SkinSelBtn", "SkinPage", Kind::Button, At(296, 129, 81, 25), u"Выбрать...", kU, 1},
      {"lbl3", "SkinPage", Kind::Label, At(3, 141, 77, 13), u"Информация:", kB, -1},
      {"mmo2", "SkinPage", Kind::Memo, At(3, 160, 417, 47), u"", kR, 2},
      {"TimerChk", "TimerPage", Kind::CheckBox, At(16, 16, 121, 17), u"Включить таймер", kBU, 2},
      {"TimerOptions", "TimerPage", Kind::GroupBox, At(16, 38, 393, 97), u"Настройки таймера: ", kB,
       1},
      {"lbl2", "TimerOptions", Kind::Label, At(16, 24, 119, 13), u"Время (в секундах):", kB, -1},
      {"TimerInterval", "TimerOptions", Kind::SpinEdit, At(16, 43, 121, 22), u"", kB, 0},
      {"TimerAllowChangeColor", "TimerOptions", Kind::CheckBox, At(176, 16, 177, 17),
       u"Разрешить смену цвета", kU, 1},
      {"TimerAllowChangeIntensity", "TimerOptions", Kind::CheckBox, At(176, 39, 177, 17),
       u"Разрешить смену яркости", kU, 2},
      {"TimerAllowChangeSkins", "TimerOptions", Kind::CheckBox, At(176, 62, 177, 17),
       u"Разрешить смену обложки", kU, 3},
      {"lbl1", "TimerPage", Kind::Label, At(3, 141, 77, 13), u"Информация:", kB, -1},
      {"mmo1", "TimerPage", Kind::Memo, At(3, 160, 417, 47), u"", kR, 0},
  };
  return layout;
}

TEST_F(SettingsFormTest, WindowAndControlsAreLaidOutAsDescribed) {
  EXPECT_EQ(form->Caption(), u"AIMP Kaleidra - Настройки");
  EXPECT_EQ(form->Border(), toolkit::BorderStyle::ToolWindow);
  EXPECT_TRUE(form->StayOnTop());
  EXPECT_EQ(form->ClientSize().width, 431);
  EXPECT_EQ(form->ClientSize().height, 305);
  EXPECT_EQ(form->Banner->Bounds(), At(0, 0, 431, 67));
  EXPECT_EQ(form->Pages->Bounds(), At(0, 67, 431, 238));

  std::vector<std::u16string> tabs;
  for (const toolkit::TabSheet* page : form->Pages->Pages()) tabs.push_back(page->Caption());
  EXPECT_EQ(tabs,
            (std::vector<std::u16string>{u"Параметры запуска", u"Цвета", u"Обложки", u"Таймер"}));
  EXPECT_EQ(form->Pages->ActivePage(), form->RunParam);

  form->Show();
  for (const Placed& p : Layout()) {
    SCOPED_TRACE(p.name);
    const Control* c = form->FindControl(p.name);
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->Parent(), nullptr);
    EXPECT_EQ(c->Parent()->Name(), p.parent);
    EXPECT_EQ(c->GetKind(), p.kind);
    EXPECT_EQ(c->Bounds(), p.bounds);
    EXPECT_EQ(c->Caption(), p.caption);
    EXPECT_EQ(c->GetFont(), (toolkit::Font{u"Tahoma", 11, p.style}));
    EXPECT_EQ(c->TabOrder(), p.tabOrder);
#ifdef _WIN32
    if (toolkit::PeersEnabled()) {
      ShowPageOf(*c);
      EXPECT_EQ(RealBounds(*c), p.bounds);
      if (!p.caption.empty()) {
        EXPECT_EQ(WindowText(*c), p.caption);
      }
    }
#endif
  }
#ifdef _WIN32
  if (toolkit::PeersEnabled()) {
    HWND window = Hwnd(*form);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 431);
    EXPECT_EQ(client.bottom, 305);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(WindowText(*form), u"AIMP Kaleidra - Настройки");
    EXPECT_EQ(RealBounds(*form->Banner), At(0, 0, 431, 67));
    EXPECT_EQ(RealBounds(*form->Pages), At(0, 67, 431, 238));
  }
#endif
}

TEST_F(SettingsFormTest, MemosHoldTheirTextsToTheCharacter) {
  const std::vector<std::u16string> memo1{
      u"Данная страница содержит настройки случайной цветовой схемы.",
      u"Для установления своей цветовой схемы выберите метод \"Выборочный\" и ",
      u"щёлкните \"Выбрать\""};
  const std::vector<std::u16string> mmo2{
      u"Данная страница содержит настройки случайного изменения обложек.",
      u"Для установления своего списка обложек выберите метод \"Выборочные\" и ",
      u"щёлкните \"Выбрать\""};
  const std::vector<std::u16string> mmo1{
      u"С помощью данной опции вы можете настроить переодическую смену ",
      u"параметров внешнего вида плеера. Эта опция вступает в силу после ", u"закрытия настроек."};
  EXPECT_EQ(form->Memo1->Lines(), memo1);
  EXPECT_EQ(form->mmo2->Lines(), mmo2);
  EXPECT_EQ(form->mmo1->Lines(), mmo1);
  EXPECT_FALSE(form->Memo1->ReadOnly());
  EXPECT_FALSE(form->mmo2->ReadOnly());
  EXPECT_TRUE(form->mmo1->ReadOnly());
#ifdef _WIN32
  if (toolkit::PeersEnabled()) {
    for (const toolkit::Memo* memo : {form->Memo1, form->mmo2, form->mmo1})
      EXPECT_EQ(WindowText(*memo), memo->Text());
  }
#endif
}

TEST_F(SettingsFormTest, StartsWithTheValuesAtCreationWhateverFlagsWereLeft) {
  form.reset();
  AllowMySkins = AllowMyColors = AllowMyIntensities = true;  // an earlier start's
  form = std::make_unique<TSettingsForm>();

  const kaleidra::SettingsView v = form->View();
  const kaleidra::SettingsView fresh;
  EXPECT_EQ(v.CSChk || v.IntenChk || v.SkinChk || form->TimerChk->Checked(), false);
  EXPECT_EQ(v.TimerAllowChangeColor || v.TimerAllowChangeIntensity || v.TimerAllowChangeSkins,
            false);
  EXPECT_EQ(v.ChooseColor, fresh.ChooseColor);
  EXPECT_EQ(v.ChooseIntensity, fresh.ChooseIntensity);
  EXPECT_EQ(v.SkinMethod, fresh.SkinMethod);
  EXPECT_FALSE(AllowMySkins || AllowMyColors || AllowMyIntensities);
  EXPECT_FALSE(form->BtnColorsRange->Enabled());
  EXPECT_FALSE(form->BtnIntensitiesRange->Enabled());
  EXPECT_FALSE(form->SkinSelBtn->Enabled());
  EXPECT_FALSE(form->TimerOptions->Enabled());
  EXPECT_FALSE(form->TimerInterval->EffectivelyEnabled());
  EXPECT_EQ(form->TimerInterval->Value(), 30);
  EXPECT_EQ(form->TimerInterval->MinValue(), 30);
  EXPECT_EQ(form->TimerInterval->MaxValue(), 86400);
  EXPECT_EQ(form->TimerInterval->Step(), 10);
  EXPECT_EQ(form->SkinMethod->Items(),
            (std::vector<std::u16string>{u"Отсутствует", u"Все обложки", u"Выборочные"}));
  EXPECT_EQ(form->ChooseColor->Items(), form->ChooseIntensity->Items());
  EXPECT_EQ(form->ChooseColor->Items()[2], u"Выборочный");
  EXPECT_EQ(TimerPeriod(), 0u);
  EXPECT_FALSE(form->IsShown());
}

struct ModeRule {
  const char* name;
  toolkit::RadioGroup* TSettingsForm::*group;
  toolkit::Button* TSettingsForm::*button;
  bool* flag;
};

const ModeRule kModeRules[] = {
    {"colours", &TSettingsForm::ChooseColor, &TSettingsForm::BtnColorsRange, &AllowMyColors},
    {"brightness", &TSettingsForm::ChooseIntensity, &TSettingsForm::BtnIntensitiesRange,
     &AllowMyIntensities},
    {"skins", &TSettingsForm::SkinMethod, &TSettingsForm::SkinSelBtn, &AllowMySkins},
};

TEST_F(SettingsFormTest, OwnListItemEnablesItsButtonAndSetsItsFlagAlone) {
  for (const ModeRule& rule : kModeRules) {
    SCOPED_TRACE(rule.name);
    toolkit::RadioGroup& group = *(form.get()->*rule.group);
    toolkit::Button& button = *(form.get()->*rule.button);
    ShowPageOf(group);
    for (int item : {2, 0, 2, 1}) {
      toolkit::test::ClickItem(group, item);
      EXPECT_EQ(group.ItemIndex(), item);
      EXPECT_EQ(button.Enabled(), item == 2);
      EXPECT_EQ(*rule.flag, item == 2);
      int flagsSet = AllowMyColors + AllowMyIntensities + AllowMySkins;
      EXPECT_EQ(flagsSet, item == 2 ? 1 : 0) << "another group's flag moved";
    }
  }
}

TEST_F(SettingsFormTest, StartupBoxesOnlyRerunTheRulesOfTheGroups) {
  ShowPageOf(*form->ChooseColor);
  toolkit::test::ClickItem(*form->ChooseColor, 2);
  ShowPageOf(*form->CSChk);
  for (toolkit::CheckBox* box : {form->CSChk, form->IntenChk, form->SkinChk, form->CSChk}) {
    toolkit::test::Click(*box);
    EXPECT_TRUE(AllowMyColors);
    EXPECT_FALSE(AllowMyIntensities);
    EXPECT_FALSE(AllowMySkins);
    EXPECT_TRUE(form->BtnColorsRange->Enabled());
  }
  // A flag set behind the groups' back is brought back in line by any box.
  AllowMySkins = true;
  toolkit::test::Click(*form->IntenChk);
  EXPECT_FALSE(AllowMySkins);
  EXPECT_TRUE(AllowMyColors);
}

TEST_F(SettingsFormTest, PagesSelectOwnListsForTheFlagsThatAreSet) {
  form->ChooseColor->SetItemIndex(0);
  form->ChooseIntensity->SetItemIndex(0);
  AllowMyColors = AllowMyIntensities = false;
  form->UpdateColorPage();
  EXPECT_EQ(form->ChooseColor->ItemIndex(), 0);
  EXPECT_EQ(form->ChooseIntensity->ItemIndex(), 0);

  AllowMyColors = AllowMyIntensities = true;
  form->UpdateColorPage();
  EXPECT_EQ(form->ChooseColor->ItemIndex(), 2);
  EXPECT_EQ(form->ChooseIntensity->ItemIndex(), 2);
  EXPECT_TRUE(form->BtnColorsRange->Enabled());
  EXPECT_TRUE(form->BtnIntensitiesRange->Enabled());

  form->UpdateSkinPage();  // its caller tests the flag
  EXPECT_EQ(form->SkinMethod->ItemIndex(), 2);
  EXPECT_TRUE(form->SkinSelBtn->Enabled());
  EXPECT_TRUE(AllowMySkins);
}

TEST_F(SettingsFormTest, TimerFollowsTheBoxOnlyWhenTheWindowCloses) {
  ShowPageOf(*form->TimerChk);
  toolkit::test::Click(*form->TimerChk);
  EXPECT_TRUE(form->TimerOptions->Enabled());
  EXPECT_TRUE(form->TimerInterval->EffectivelyEnabled());
  EXPECT_TRUE(form->TimerAllowChangeSkins->EffectivelyEnabled());
  EXPECT_EQ(TimerPeriod(), 0u) << "ticking the box alone starts nothing";

  toolkit::test::ClickCloseBox(*form);
  EXPECT_FALSE(form->IsShown());
  EXPECT_EQ(TimerPeriod(), 30000u);

  ShowPageOf(*form->TimerChk);
  toolkit::test::Click(*form->TimerChk);
  EXPECT_FALSE(form->TimerOptions->Enabled());
  EXPECT_FALSE(form->TimerInterval->EffectivelyEnabled());
  EXPECT_EQ(TimerPeriod(), 30000u) << "unticking leaves the timer running until closing";
  toolkit::test::ClickCloseBox(*form);
  EXPECT_EQ(TimerPeriod(), 0u);
  EXPECT_TRUE(form->IsCreated()) << "closing only hides";
}

TEST_F(SettingsFormTest, ClosingTakesTheIntervalFromTheField) {
  struct Case {
    std::u16string typed;
    uint32_t period;
    std::u16string shownAfter;
  };
  const Case cases[] = {
      {u"45", 45000, u"45"},           {u"86400", 86400000, u"86400"},
      {u"abc", 30000, u"30"},          {u"", 30000, u"30"},
      {u"10", 30000, u"30"},  // typed, never brought into range by the field
      {u"100000", 86400000, u"86400"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed.begin(), c.typed.end()));
    ShowPageOf(*form->TimerInterval);
    if (!form->TimerChk->Checked()) toolkit::test::Click(*form->TimerChk);
    toolkit::test::Type(*form->TimerInterval, c.typed);
    toolkit::test::ClickCloseBox(*form);
    EXPECT_EQ(TimerPeriod(), c.period);
    EXPECT_EQ(form->TimerInterval->Text(), c.shownAfter);
  }
}

TEST_F(SettingsFormTest, ReopeningWithTheSameIntervalKeepsThePeriod) {
  if (toolkit::PeersEnabled()) GTEST_SKIP() << "needs the headless clock";
  ProvideSkinsService();
  form->Show();
  toolkit::test::Click(*form->TimerChk);
  toolkit::test::ClickCloseBox(*form);
  toolkit::test::AdvanceHeadlessClock(20000);
  form->Show();
  toolkit::test::ClickCloseBox(*form);  // same 30 seconds: the period goes on
  toolkit::test::AdvanceHeadlessClock(10000);
  EXPECT_EQ(skins.applied.size(), 1u);

  form->Show();
  toolkit::test::Type(*form->TimerInterval, u"60");
  toolkit::test::ClickCloseBox(*form);  // a new interval starts its period anew
  toolkit::test::AdvanceHeadlessClock(59999);
  EXPECT_EQ(skins.applied.size(), 1u);
  toolkit::test::AdvanceHeadlessClock(1);
  EXPECT_EQ(skins.applied.size(), 2u);
}

TEST_F(SettingsFormTest, TickAppliesOneTimerRequestFromTheControlsAsTheyStand) {
  form->TimerTimer();  // no service: nothing to do, nothing fails

  skins.currentSkin = u"Ocean.acs3";
  skins.hue = 7;
  skins.intensity = 55;
  ProvideSkinsService();
  kaleidra::SetSeedSource([] { return 12345u; });
  const int32_t drawnHue = kaleidra::RandomBelow(256);

  form->TimerChk->SetChecked(true);
  form->TimerChkClick();
  form->TimerAllowChangeColor->SetChecked(true);
  form->TimerAllowChangeSkins->SetChecked(true);  // SkinChk is clear: no skin change
  form->CSChk->SetChecked(true);
  form->SetUpTimer();
  form->Timer.HandleTick();  // what the timer message delivers

  ASSERT_EQ(skins.applied.size(), 1u);
  EXPECT_EQ(skins.applied[0].skin, u"Ocean.acs3");
  EXPECT_EQ(skins.applied[0].hue, drawnHue);
  EXPECT_EQ(skins.applied[0].intensity, 55);

  kaleidra::PluginActive = false;  // a tick still queued when the plug-in stopped
  form->Timer.HandleTick();
  EXPECT_EQ(skins.applied.size(), 1u);
}

TEST_F(SettingsFormTest, ViewReadsEveryControlAndFlag) {
  form->IntenChk->SetChecked(true);
  form->SkinMethod->SetItemIndex(2);
  form->ChooseColor->SetItemIndex(0);
  form->TimerAllowChangeIntensity->SetChecked(true);
  const kaleidra::SettingsView v = form->View();
  EXPECT_FALSE(v.CSChk);
  EXPECT_TRUE(v.IntenChk);
  EXPECT_FALSE(v.SkinChk);
  EXPECT_EQ(v.ChooseColor, 0);
  EXPECT_EQ(v.ChooseIntensity, 1);
  EXPECT_EQ(v.SkinMethod, 2);
  EXPECT_FALSE(v.TimerAllowChangeColor);
  EXPECT_TRUE(v.TimerAllowChangeIntensity);
  EXPECT_FALSE(v.TimerAllowChangeSkins);
  EXPECT_TRUE(v.AllowMySkins);
  EXPECT_FALSE(v.AllowMyColors);
  EXPECT_FALSE(v.AllowMyIntensities);
}

TEST_F(SettingsFormTest, BannerIsDrawnUnscaledFromTheTopLeft) {
  const toolkit::Picture banner = png::Decode(resources::BannerPng());
  ASSERT_EQ(banner.width, 437);
  ASSERT_EQ(banner.height, 67);
  toolkit::test::RecordingCanvas& drawn = toolkit::test::Drawings(*form->Banner);
  form->Show();
  toolkit::test::PumpMessages(100);
  int checked = 0;
  for (int y = 0; y < banner.height; y += 7) {
    for (int x = 0; x < 431; x += 13) {
      const uint32_t pixel = banner.At(x, y);
      if (pixel >> 24 != 0xFF) continue;  // blended with the background
      ++checked;
      EXPECT_EQ(drawn.PixelAt(x, y), pixel & 0xFFFFFF) << x << "," << y;
#ifdef _WIN32
      if (toolkit::PeersEnabled()) {
        HDC dc = GetDC(Hwnd(*form->Banner));
        EXPECT_EQ(GetPixel(dc, x, y), pixel & 0xFFFFFF) << x << "," << y;
        ReleaseDC(Hwnd(*form->Banner), dc);
      }
#endif
    }
  }
  EXPECT_GT(checked, 20);
}

#ifdef _WIN32
// Pictures of the four pages for people to look at, in screenshots/ of the build tree.
TEST_F(SettingsFormTest, ScreenshotsOfTheFourPages) {
  if (!toolkit::PeersEnabled()) GTEST_SKIP();
  const std::filesystem::path folder =
      std::filesystem::path(platform::ExecutableFolder()).parent_path().parent_path() /
      "screenshots";
  std::filesystem::create_directories(folder);
  form->Show();
  const char* names[] = {"settings_1_RunParam", "settings_2_ColorsPage", "settings_3_SkinPage",
                         "settings_4_TimerPage"};
  const toolkit::Picture banner = png::Decode(resources::BannerPng());
  RECT frame{};
  GetWindowRect(Hwnd(*form), &frame);
  POINT client{0, 0};
  ClientToScreen(Hwnd(*form), &client);
  for (int page = 0; page < 4; ++page) {
    toolkit::test::SelectPage(*form->Pages, page);
    toolkit::test::PumpMessages(200);
    const std::filesystem::path file = folder / (std::string(names[page]) + ".bmp");
    EXPECT_TRUE(toolkit::test::SaveScreenshot(*form, file.u16string())) << names[page];
    // The picture shows the window, its banner at the client area's top left on every page.
    const toolkit::Picture shot = toolkit::test::CaptureWindow(*form);
    ASSERT_EQ(shot.width, frame.right - frame.left) << names[page];
    ASSERT_EQ(shot.height, frame.bottom - frame.top) << names[page];
    int checked = 0;
    for (int y = 0; y < banner.height; y += 7) {
      for (int x = 0; x < 431; x += 13) {
        const uint32_t pixel = banner.At(x, y);
        if (pixel >> 24 != 0xFF) continue;  // blended with the background
        ++checked;
        EXPECT_EQ(shot.At(client.x - frame.left + x, client.y - frame.top + y), pixel & 0xFFFFFF)
            << names[page] << " " << x << "," << y;
      }
    }
    EXPECT_GT(checked, 20) << names[page];
  }
}
#endif

}  // namespace
}  // namespace kaleidra
