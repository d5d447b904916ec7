// The player stopping the plug-in while a selection window runs its modal loop
// (real windows only: headless, a modal show returns at once).
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include "fake_player/services.h"
#include "plugin/plugin.h"
#include "tests/support/fixture.h"
#include "ui/settings/settings_window.h"
#include "ui/skins/skin_window.h"
#include "ui/toolkit/handles.h"
#include "ui/toolkit/testing/user_actions.h"

namespace {

host::IAIMPAddonPlugin* gPlugin = nullptr;
host::HRESULT gFinalizeResult = -1;

void CALLBACK StopFromInsideTheLoop(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gFinalizeResult = gPlugin->Finalize();
}

TEST(StopInsideModalLoop, WindowsGoOnlyAfterTheLoopHasEnded) {
  fixture::PlayerFolder folder;
  fixture::MessageBoxRecorder boxes;
  fake_player::CoreUnit core;
  core.skins.skins[u""] = {u"Player", u"Standard", u"", nullptr};
  ASSERT_EQ(kaleidra::QueryAddon3(&gPlugin), -1);
  ASSERT_EQ(gPlugin->Initialize(&core), 0);
  ASSERT_EQ(gPlugin->ShowSettingsDialog(nullptr), 0);

  auto& settings = *kaleidra::SettingsForm;
  toolkit::test::SelectPage(*settings.Pages, 2);
  toolkit::test::ClickItem(*settings.SkinMethod, 2);  // "Выборочные" enables "Выбрать..."
  ASSERT_TRUE(settings.SkinSelBtn->Enabled());

  SetTimer(nullptr, 0, 100, &StopFromInsideTheLoop);
  toolkit::test::Click(*settings.SkinSelBtn);  // returns when the modal loop ends

  EXPECT_EQ(gFinalizeResult, 0);
  EXPECT_FALSE(kaleidra::PluginActive);
  EXPECT_EQ(kaleidra::SkinListForm, nullptr);
  EXPECT_EQ(kaleidra::SettingsForm, nullptr);
  EXPECT_TRUE(folder.Exists("Plugins\\orvo_aimp_kaleidra.ini"));
  gPlugin->Finalize();
  gPlugin->Release();
  kaleidra::ReleaseServices();
  EXPECT_EQ(toolkit::LiveHandles().user, 0);
}

}  // namespace
#endif
