// The plug-in's whole life over and over in this process, with a fake player:
// load, start, menu command, settings window with the three selection windows,
// stop and unload; then 10 000 menu commands in a row. Memory, the toolkit's
// GDI and USER objects and the thread's windows must stay flat.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "fake_player/services.h"
#include "plugin/plugin.h"
#include "tests/soak/figures.h"
#include "tests/support/fixture.h"
#include "ui/palette/brightness_window.h"
#include "ui/palette/colour_window.h"
#include "ui/settings/settings_window.h"
#include "ui/skins/skin_window.h"
#include "ui/toolkit/peer.h"
#include "ui/toolkit/testing/user_actions.h"
#include "ui/toolkit/timer.h"

namespace soak {
namespace {

#ifdef __SANITIZE_ADDRESS__
// Sanitized code runs several times slower; LeakSanitizer needs few laps.
constexpr int kCycles = 50;
constexpr int kMenuCommands = 2000;
#else
constexpr int kCycles = 200;
constexpr int kMenuCommands = 10000;
#endif
constexpr int kWarmUpCycles = kCycles / 10;
constexpr int kWarmUpMenuCommands = 100;
// Committed memory moves in whole pages as the heap grows and trims; a leak of
// a few hundred bytes per cycle still crosses this within the run.
constexpr Growth kAllowed{64 * 1024};

void Print(const char* what, const Figures& f) {
  std::printf("[ figures  ] %-28s %s\n", what, Describe(f).c_str());
  std::fflush(stdout);
}

// The player's side: a fresh core unit per load, with a few skins.
std::unique_ptr<fake_player::CoreUnit> NewPlayer() {
  auto core = std::make_unique<fake_player::CoreUnit>();
  core->skins.skins[u""] = {u"Built-in author", u"Built-in", u"The built-in skin", nullptr};
  core->skins.skins[u"a.acs2"] = {u"A. Author", u"Alpha", u"First", nullptr};
  core->skins.skins[u"b.acs3"] = {u"B. Author", u"Beta", u"Second", nullptr};
  return core;
}

// Acts as the user inside a modal window that a button opens: from a timer in
// the window's own loop with real windows; headless, the show returns at once
// and the user acts after it.
void ClickIntoModal(toolkit::Button& button, const std::function<void()>& inside) {
  toolkit::Timer timer;
  bool acted = false;
  auto act = [&] {
    if (acted) return;
    acted = true;
    timer.SetEnabled(false);
    inside();
  };
  timer.onTimer = act;
  timer.SetInterval(1);
  timer.SetEnabled(true);
  toolkit::test::Click(button);
  act();
}

void SelectPageOf(kaleidra::TSettingsForm& form, const toolkit::Control& control) {
  const toolkit::Control* page = &control;
  while (page->GetKind() != toolkit::Kind::TabSheet) page = page->Parent();
  const auto pages = form.Pages->Pages();
  for (size_t i = 0; i < pages.size(); ++i)
    if (pages[i] == page) toolkit::test::SelectPage(*form.Pages, static_cast<int>(i));
}

// Opens a selection window from its button, as the user does.
void OpenFromSettings(toolkit::RadioGroup& mode, toolkit::Button& button,
                      const std::function<void()>& inside) {
  kaleidra::TSettingsForm& settings = *kaleidra::SettingsForm;
  SelectPageOf(settings, button);
  toolkit::test::ClickItem(mode, 2);  // the user's own list enables the button
  ClickIntoModal(button, inside);
}

void UseSelectionWindows() {
  kaleidra::TSettingsForm& settings = *kaleidra::SettingsForm;
  OpenFromSettings(*settings.SkinMethod, *settings.SkinSelBtn, [] {
    kaleidra::TSkinListForm& skins = *kaleidra::SkinListForm;
    toolkit::test::ClickItem(*skins.SkinList,
                             skins.SkinList->Count() - 1);  // preview and information
    toolkit::test::Click(*skins.AddBtn);
    toolkit::test::Click(*skins.ExitBtn);  // "Отмена": the selection as it was
  });
  OpenFromSettings(*settings.ChooseColor, *settings.BtnColorsRange, [] {
    toolkit::test::Click(*kaleidra::ColorListForm->AddBtn);
    toolkit::test::Click(*kaleidra::ColorListForm->ExitBtn);
  });
  OpenFromSettings(*settings.ChooseIntensity, *settings.BtnIntensitiesRange, [] {
    toolkit::test::Click(*kaleidra::IntensityListForm->AddBtn);
    toolkit::test::Click(*kaleidra::IntensityListForm->ExitBtn);
  });
}

class Soak : public ::testing::Test {
 protected:
  Soak() {
    folder.Write("Skins\\a.acs2", "");
    folder.Write("Skins\\b.acs3", "");
    folder.Write("Plugins\\orvo_aimp_kaleidrap.ini",
                 "[Skins]\r\nCount=2\r\nSkinName1=a.acs2\r\nSkinName2=\r\n"
                 "[Colors]\r\nCount=2\r\nColorID1=10\r\nColorID2=150\r\n"
                 "[Intensities]\r\nCount=1\r\nIntensityID1=40\r\n");
  }
  // The library's unload gives the services back before the player goes.
  ~Soak() override { kaleidra::ReleaseServices(); }

  fixture::PlayerFolder folder;
  fixture::MessageBoxRecorder boxes;
  std::unique_ptr<fake_player::CoreUnit> player = NewPlayer();  // for one long session
};

// One load of the library: every object the player touches is gone afterwards.
void OneLife() {
  auto player = NewPlayer();
  host::IAIMPAddonPlugin* plugin = nullptr;
  ASSERT_EQ(kaleidra::QueryAddon3(&plugin), -1);
  ASSERT_EQ(plugin->Initialize(player.get()), 0);
  ASSERT_EQ(player->menu.items.size(), 1u);
  player->menu.Pick(player->menu.items.begin()->first);
  ASSERT_EQ(plugin->ShowSettingsDialog(nullptr), 0);
  UseSelectionWindows();
  toolkit::test::ClickCloseBox(*kaleidra::SettingsForm);
  ASSERT_EQ(plugin->Finalize(), 0);
  EXPECT_EQ(plugin->Release(), 0u);
  kaleidra::ReleaseServices();  // as the library's unload does
  EXPECT_EQ(player->skins.Balance(), 0);
  EXPECT_EQ(player->menu.Balance(), 0);
  EXPECT_EQ(player->skins.applied.size(), 2u) << "start-up and menu command";
}

TEST_F(Soak, WholeLifeRepeatedStaysFlat) {
  Figures afterWarmUp;
  const Figures first = Measure();
  Print("before the first load", first);
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    OneLife();
    if (HasFatalFailure()) return;
    const Figures now = Measure();
    if (cycle == 1) Print("after 1 cycle", now);
    if (cycle == kWarmUpCycles) {
      afterWarmUp = now;
      Print(("after " + std::to_string(cycle) + " cycles (warm-up)").c_str(), now);
    }
    // Everything the plug-in made is gone with it, every time.
    ASSERT_EQ(now.gdi, first.gdi) << "cycle " << cycle;
    ASSERT_EQ(now.user, first.user) << "cycle " << cycle;
    ASSERT_EQ(now.windows, first.windows) << "cycle " << cycle;
  }
  const Figures last = Measure();
  Print(("after " + std::to_string(kCycles) + " cycles").c_str(), last);
  EXPECT_EQ(GrowthOf(afterWarmUp, last, kAllowed), "");
  EXPECT_TRUE(boxes.calls.empty()) << "no message box in a normal session";
}

TEST_F(Soak, WindowsCountedByTheToolkitAreTheThreadsWindows) {
  if (!toolkit::PeersEnabled()) GTEST_SKIP() << "no real windows";
  host::IAIMPAddonPlugin* plugin = nullptr;
  ASSERT_EQ(kaleidra::QueryAddon3(&plugin), -1);
  const Figures before = Measure();
  ASSERT_EQ(plugin->Initialize(player.get()), 0);
  plugin->ShowSettingsDialog(nullptr);
  const Figures running = Measure();
  Print("while running", running);
  EXPECT_GT(running.user, before.user);
  EXPECT_EQ(running.windows - before.windows, running.user - before.user);
  plugin->Finalize();
  plugin->Release();
  const Figures after = Measure();
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_EQ(after.user, before.user);
  EXPECT_EQ(after.gdi, before.gdi);
}

TEST_F(Soak, ManyMenuCommandsInARowStayFlat) {
  host::IAIMPAddonPlugin* plugin = nullptr;
  ASSERT_EQ(kaleidra::QueryAddon3(&plugin), -1);
  ASSERT_EQ(plugin->Initialize(player.get()), 0);
  const int32_t item = player->menu.items.begin()->first;
  auto command = [&] {
    player->menu.Pick(item);
    ASSERT_EQ(player->skins.applied.size(), 1u);
    player->skins.applied.clear();  // the fake player's record, not the plug-in's memory
  };
  player->skins.applied.clear();
  for (int i = 0; i < kWarmUpMenuCommands; ++i) command();
  const Figures afterWarmUp = Measure();
  Print("after the warm-up commands", afterWarmUp);
  for (int i = 0; i < kMenuCommands; ++i) {
    command();
    if (HasFatalFailure()) break;
  }
  const Figures last = Measure();
  Print(("after " + std::to_string(kMenuCommands) + " more commands").c_str(), last);
  EXPECT_EQ(GrowthOf(afterWarmUp, last, kAllowed), "");
  plugin->Finalize();
  plugin->Release();
}

}  // namespace
}  // namespace soak
