// The settings file seen through whole sessions of the stand-in player.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/e2e/e2e_run.h"
#include "tests/e2e/read_only_folder.h"

namespace e2e {
namespace {

const char kSettings[] = "Plugins\\orvo_aimp_kaleidra.ini";
const std::set<std::string> kSkins = {"", "a.acs2", "b.acs3", "c.acs3"};

void AddSkins(const StandinFolder& folder) {
  folder.AddSkin("a.acs2", "name=A\npreview=FF0000\n");
  folder.AddSkin("b.acs3", "name=B\npreview=00FF00\n");
  folder.AddSkin("c.acs3", "name=C without preview\n");
}

std::vector<LogCall> Applied(const E2eRun& run, int step) {
  std::vector<LogCall> out;
  for (const LogCall& call : run.InStep(step))
    if (call.name == "ApplySkin") out.push_back(call);
  return out;
}

// The player starts on a skin that is not in the folder, so only a draw can
// give the start-up change another one.
struct StartupCase {
  const char* name;
  const char* settings;  // empty: no settings file
  bool drawsSkin;
};

class StartupSkin : public ::testing::TestWithParam<StartupCase> {};

TEST_P(StartupSkin, FollowsRandomSkin) {
  const StartupCase& c = GetParam();
  StandinFolder folder;
  AddSkins(folder);
  if (*c.settings) folder.Write(kSettings, c.settings);
  const E2eRun run = RunStandin(folder, "start; stop; unload", {"--current-skin", "gone.acs2"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_TRUE(run.Problems().empty()) << run.Text();
  const auto applied = Applied(run, 0);
  ASSERT_EQ(applied.size(), 1u) << run.Text();
  const std::string skin = applied[0].args.at(0);
  if (c.drawsSkin) {
    EXPECT_TRUE(kSkins.count(skin)) << applied[0].text;
  } else {
    EXPECT_EQ(skin, "gone.acs2") << "the skin in use stays";
  }
}

INSTANTIATE_TEST_SUITE_P(
    E2e, StartupSkin,
    ::testing::Values(StartupCase{"NoFile", "", false},
                      StartupCase{"RandomSkinOff", "[Main]\r\nRandomSkin=0\r\n", false},
                      StartupCase{"RandomSkinOn", "[Main]\r\nRandomSkin=1\r\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(E2e, TimerFromTheSettingsFileChangesTheLookWithoutAMenuCommand) {
  StandinFolder folder;
  AddSkins(folder);
  folder.Write(kSettings,
               "[Timer]\r\nTimerOn=1\r\nTimerInterval=30\r\nAllowChangeSkins=1\r\n"
               "AllowChangeColor=1\r\n");
  const E2eRun run = RunStandin(folder, "start; wait 35; stop; unload");
  ASSERT_FALSE(run.timedOut);
  EXPECT_TRUE(run.Problems().empty()) << run.Text();
  EXPECT_TRUE(run.Lines("MenuProc").empty());
  const auto atStart = Applied(run, 0), ticked = Applied(run, 1);
  ASSERT_EQ(atStart.size(), 1u) << run.Text();
  ASSERT_EQ(ticked.size(), 1u) << "one tick in 35 seconds\n" << run.Text();
  const int64_t ms = ticked[0].Int("t") - atStart[0].Int("t");
  EXPECT_GE(ms, 29500) << run.Text();
  EXPECT_LE(ms, 33000) << run.Text();
  EXPECT_TRUE(kSkins.count(ticked[0].args.at(0))) << ticked[0].text;
  EXPECT_TRUE(Applied(run, 2).empty()) << "the timer ends with the plug-in\n" << run.Text();
}

TEST(E2e, ReadOnlyPluginsAtStopReportsTheSettingsFileAndGoesOn) {
  StandinFolder folder;
  AddSkins(folder);
  ReadOnlyFolder plugins(folder.Root() / "Plugins");
  SKIP_UNLESS_READ_ONLY(plugins);
  const E2eRun run = RunStandin(folder, "start; stop; unload");
  ExpectWriteFailureShown(run, folder.Root() / kSettings);
  EXPECT_EQ(run.Lines("MessageBox").size(), 1u) << "empty lists leave nothing to write\n"
                                                << run.Text();
  EXPECT_FALSE(std::filesystem::exists(folder.Root() / kSettings));
}

// The player delivers a menu command while the box is up: the plug-in has
// stopped by then, its command is gone and the command changes nothing.
TEST(E2e, ReadOnlyPluginsStopEndsBeforeItsBoxAndAQueuedCommandAppliesNothing) {
  StandinFolder folder;
  AddSkins(folder);
  ReadOnlyFolder plugins(folder.Root() / "Plugins");
  SKIP_UNLESS_READ_ONLY(plugins);
  const E2eRun run = RunStandin(folder, "start; stop; unload", {"--menu-during-box"});
  ExpectWriteFailureShown(run, folder.Root() / kSettings);
  const int stop = run.Lines("Finalize").at(0).step;
  std::vector<std::string> order;
  for (const LogCall& call : run.InStep(stop))
    if (call.name != "MessageBox" || order.empty() || order.back() != "MessageBox")
      order.push_back(call.name);
  const std::vector<std::string> expected = {"RemoveMenuItem", "MenuProc", "MessageBox",
                                             "Finalize"};
  EXPECT_EQ(order, expected) << run.Text();
  EXPECT_TRUE(Applied(run, stop).empty()) << run.Text();
}

}  // namespace
}  // namespace e2e
