// The stop finishes before the user is told anything, and whatever the saves
// throw: no window, timer or menu command of the plug-in outlives Finalize.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "fake_player/services.h"
#include "platform/platform.h"
#include "plugin/plugin.h"
#include "tests/support/fixture.h"
#include "ui/palette/colour_window.h"
#include "ui/settings/settings_window.h"
#include "ui/toolkit/testing/time.h"
#include "ui/toolkit/timer.h"

namespace {

// Armed, the next allocation of the program fails, as it would when the
// player's address space runs out.
std::atomic<bool> gFailNextAllocation{false};

}  // namespace

void* operator new(std::size_t size) {
  if (gFailNextAllocation.exchange(false)) throw std::bad_alloc();
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
// The blocks come from malloc above, so free is their match.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace {

const char* kLists = "Plugins\\orvo_aimp_kaleidrap.ini";
const char* kSettings = "Plugins\\orvo_aimp_kaleidra.ini";
constexpr uint32_t kLongerThanAnyPeriod = 2 * 86400 * 1000u;

class StopOrder : public ::testing::Test {
 protected:
  StopOrder() {
    core.skins.skins[u""] = {u"Player", u"Standard", u"", nullptr};
    kaleidra::QueryAddon3(&plugin);
  }
  ~StopOrder() override {
    plugin->Finalize();
    plugin->Release();
    kaleidra::ReleaseServices();
  }

  fixture::PlayerFolder folder;
  fixture::MessageBoxRecorder boxes;
  fake_player::CoreUnit core;
  host::IAIMPAddonPlugin* plugin = nullptr;
};

TEST_F(StopOrder, FailedWriteIsShownOnlyOnceThePluginHasStopped) {
  ASSERT_EQ(plugin->Initialize(&core), 0);
  folder.MakeFolder(kSettings);  // cannot be written
  const size_t appliedBefore = core.skins.applied.size();
  struct AtTheBox {
    bool active, windows;
    size_t removed, applied;
  };
  std::vector<AtTheBox> seen;
  boxes.onShow = [&] {
    // The user picks the menu command while the box waits.
    kaleidra::MenuCommandClick(0, 0);
    toolkit::test::AdvanceHeadlessClock(kLongerThanAnyPeriod);
    seen.push_back({kaleidra::PluginActive, kaleidra::SettingsForm != nullptr,
                    core.menu.removed.size(), core.skins.applied.size()});
  };
  ASSERT_EQ(plugin->Finalize(), 0);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_FALSE(seen[0].active);
  EXPECT_FALSE(seen[0].windows);
  EXPECT_EQ(seen[0].removed, 1u) << "the menu command goes before the box";
  EXPECT_EQ(seen[0].applied, appliedBefore) << "a stopped plug-in changes nothing";
  EXPECT_EQ(boxes.calls.at(0).text, u"Unable to write to " + folder.Path(kSettings));
}

TEST_F(StopOrder, FaultInTheSettingsSaveStillEndsTheStop) {
  const std::string settings = "[Timer]\r\nTimerOn=1\r\nTimerInterval=30\r\nAllowChangeColor=1\r\n";
  folder.Write(kSettings, settings);
  ASSERT_EQ(plugin->Initialize(&core), 0);
  ASSERT_TRUE(kaleidra::SettingsForm->Timer.Running());
  kaleidra::ColorListForm->AddBtnClick();
  const size_t appliedBefore = core.skins.applied.size();

  gFailNextAllocation = true;
  EXPECT_EQ(plugin->Finalize(), 0);
  EXPECT_FALSE(gFailNextAllocation) << "the stop allocates, so the fault was met";

  EXPECT_FALSE(kaleidra::PluginActive);
  EXPECT_EQ(kaleidra::SettingsForm, nullptr);
  EXPECT_EQ(kaleidra::ColorListForm, nullptr);
  EXPECT_EQ(core.menu.removed.size(), 1u);
  EXPECT_EQ(folder.Read(kSettings), settings) << "the save failed before its first key";
  EXPECT_EQ(platform::ReadProfileText(folder.Path(kLists), u"Colors", u"Count", u""), u"1")
      << "the lists are saved all the same";
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, u"Unable to write to " + folder.Path(kSettings));

  toolkit::test::AdvanceHeadlessClock(kLongerThanAnyPeriod);
  kaleidra::MenuCommandClick(0, 0);
  EXPECT_EQ(core.skins.applied.size(), appliedBefore) << "no tick and no command after the stop";
}

}  // namespace
