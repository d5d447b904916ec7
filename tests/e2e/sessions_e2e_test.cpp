// Scripted sessions of the stand-in player driving the real plug-in DLL.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "host/AIMPSDKAddons.h"
#include "tests/e2e/e2e_run.h"

namespace e2e {
namespace {

const std::string kNoInterface = std::to_string(static_cast<int32_t>(0x80004002u));

// Calls the plug-in makes to the player (all others are the player's calls to it).
bool IsPlayerSide(const std::string& name) {
  static const std::set<std::string> kServiceCalls = {"ReadCurrentSkin", "ReadSkinInfo",
                                                      "ApplySkin", "AddMenuItem", "RemoveMenuItem"};
  return kServiceCalls.count(name) || name.rfind("CoreUnit.", 0) == 0 ||
         name.rfind("SkinsService.", 0) == 0 || name.rfind("MenuService.", 0) == 0;
}

std::vector<std::string> PlayerSideCalls(const E2eRun& run, int step) {
  std::vector<std::string> out;
  for (const LogCall& call : run.InStep(step))
    if (IsPlayerSide(call.name)) out.push_back(call.text);
  return out;
}

std::string Only(const E2eRun& run, const std::string& name) {
  const auto calls = run.Lines(name);
  EXPECT_EQ(calls.size(), 1u) << name << " in:\n" << run.Text();
  return calls.empty() ? std::string() : calls[0].result;
}

TEST(E2e, EntryHandsOutThePluginWithItsTexts) {
  StandinFolder folder;
  const E2eRun run = RunStandin(folder, "load; unload");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(Only(run, "QueryAddon3"), "-1");
  EXPECT_EQ(Only(run, "GetPluginName"), "AIMP Kaleidra");
  EXPECT_EQ(Only(run, "GetPluginInfo"), "Plugin for work with the skin engine");
  EXPECT_EQ(Only(run, "GetPluginFlags"), "1");
  EXPECT_EQ(Only(run, "Release"), "0") << "the player's reference must be the only one";
  EXPECT_TRUE(run.Problems().empty()) << run.Text();
}

TEST(E2e, WithoutTheSkinsServiceInitializeFailsAndAsksNothingElse) {
  StandinFolder folder;
  folder.AddSkin("a.acs2", "name=A\npreview=FF0000\n");
  const E2eRun run = RunStandin(folder, "start; unload", {"--no-skins-service"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(Only(run, "Initialize"), "1");
  for (const std::string& call : PlayerSideCalls(run, 0)) {
    const bool coreUnitOnly = call.rfind("CoreUnit.AddRef", 0) == 0 ||
                              call.rfind("CoreUnit.Release", 0) == 0 ||
                              call.rfind("CoreUnit.QueryInterface(SkinsService)", 0) == 0;
    EXPECT_TRUE(coreUnitOnly) << call;
  }
  EXPECT_EQ(run.Lines("FreeLibrary").at(0).Int("core"), 1) << "core unit reference kept";
}

TEST(E2e, SessionAddsTheMenuCommandAndEachChangeIsOneApplySkin) {
  StandinFolder folder;
  const std::set<std::string> skins = {"", "a.acs2", "b.acs3", "c.acs3"};
  folder.AddSkin("a.acs2", "author=X\nname=A\npreview=FF0000\n");
  folder.AddSkin("b.acs3", "name=B\npreview=00FF00\npreview_size=40,30\n");
  folder.AddSkin("c.acs3", "name=C without preview\n");
  folder.Write("Skins\\not-a-skin.txt", "name=Z\n");
  const int kMenus = 6;
  std::string script = "start;";
  for (int i = 0; i < kMenus; ++i) script += " menu;";
  script += " stop; unload";
  const E2eRun run = RunStandin(folder, script, {"--first-menu-handle", "7"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.Problems().empty()) << run.Text();

  EXPECT_EQ(Only(run, "Initialize"), "0");
  const auto added = run.Lines("AddMenuItem");
  ASSERT_EQ(added.size(), 1u) << run.Text();
  EXPECT_EQ(added[0].args.at(0), "0");
  // 28 on i686, 40 on the 64-bit twin (both pinned beside the record).
  EXPECT_EQ(added[0].Int("size"), static_cast<int>(sizeof(host::MenuItemRecord)));
  EXPECT_EQ(added[0].fields.at("caption"), "Случайная обложка");
  EXPECT_EQ(added[0].Int("kind"), 4);
  EXPECT_EQ(added[0].Int("shortcut"), 0x49);
  EXPECT_EQ(added[0].fields.at("proc"), "set");
  EXPECT_EQ(added[0].result, "7");

  // Step 0 is start, then the menu commands, then stop.
  for (int step = 0; step <= kMenus; ++step) {
    std::vector<LogCall> applied;
    for (const LogCall& call : run.InStep(step))
      if (call.name == "ApplySkin") applied.push_back(call);
    ASSERT_EQ(applied.size(), 1u) << "step " << step << "\n" << run.Text();
    const LogCall& apply = applied[0];
    EXPECT_TRUE(skins.count(apply.args.at(0))) << apply.text;
    const int hue = std::stoi(apply.args.at(1)), intensity = std::stoi(apply.args.at(2));
    EXPECT_TRUE(hue >= 0 && hue <= 255) << apply.text;
    EXPECT_TRUE(intensity >= 0 && intensity <= 100) << apply.text;
  }

  const auto removed = run.Lines("RemoveMenuItem");
  ASSERT_EQ(removed.size(), 1u) << run.Text();
  EXPECT_EQ(removed[0].args.at(0), "7");
  EXPECT_EQ(removed[0].step, kMenus + 1);
  EXPECT_EQ(Only(run, "Finalize"), "0");

  const LogCall freed = run.Lines("FreeLibrary").at(0);
  EXPECT_EQ(freed.Int("core"), 1);
  EXPECT_EQ(freed.Int("skins"), 1) << "the unload releases the skins service";
  EXPECT_EQ(freed.Int("menu"), 1) << "the unload releases the menu service";
}

struct QuietCase {
  const char* name;
  std::vector<std::string> args;
  const char* script;
  std::vector<int> quietSteps;  // settings and stop steps that must do nothing
};

class InactivePlugin : public ::testing::TestWithParam<QuietCase> {};

TEST_P(InactivePlugin, SettingsAndFinalizeMakeNoCall) {
  const QuietCase& c = GetParam();
  StandinFolder folder;
  folder.AddSkin("a.acs2", "name=A\npreview=FF0000\n");
  const E2eRun run = RunStandin(folder, c.script, c.args);
  ASSERT_FALSE(run.timedOut);
  EXPECT_TRUE(run.Problems().empty()) << run.Text();
  for (int step : c.quietSteps) {
    EXPECT_TRUE(PlayerSideCalls(run, step).empty()) << "step " << step << "\n" << run.Text();
    for (const LogCall& call : run.InStep(step))
      if (call.name != "Finalize" && call.name.rfind("ShowSettingsDialog", 0) != 0)
        ADD_FAILURE() << "unexpected " << call.text;
    for (const LogCall& call : run.InStep(step)) EXPECT_EQ(call.Int("windows"), 0) << call.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    E2e, InactivePlugin,
    ::testing::Values(
        QuietCase{"BeforeInitialize", {}, "load; settings; stop; init; stop; unload", {1, 2}},
        QuietCase{"AfterFailedInitialize",
                  {"--no-skins-service"},
                  "start; settings; stop; unload",
                  {1, 2}},
        QuietCase{"AfterFinalize", {}, "start; stop; settings; stop; unload", {2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(E2e, WithoutTheMenuServiceThePluginStillStarts) {
  StandinFolder folder;
  folder.AddSkin("a.acs2", "name=A\npreview=FF0000\n");
  const E2eRun run = RunStandin(folder, "start; stop; unload", {"--no-menu-service"});
  ASSERT_FALSE(run.timedOut);
  EXPECT_TRUE(run.Problems().empty()) << run.Text();
  EXPECT_EQ(Only(run, "Initialize"), "0");
  EXPECT_EQ(run.Lines("ApplySkin").size(), 1u);
  EXPECT_EQ(Only(run, "Finalize"), "0");
  for (const LogCall& call : run.calls) {
    EXPECT_NE(call.name, "AddMenuItem");
    EXPECT_NE(call.name, "RemoveMenuItem");
    EXPECT_NE(call.name.rfind("MenuService.", 0), 0u) << call.text;
  }
  for (const LogCall& query : run.Lines("CoreUnit.QueryInterface")) {
    if (query.args.at(0) == "MenuService") {
      EXPECT_EQ(query.result, kNoInterface);
    }
  }
}

// The stand-in itself: a missing plug-in is reported, not fatal; a bad script runs nothing.
TEST(E2e, StandinReportsWhatWentWrong) {
  StandinFolder folder;
  std::filesystem::remove(folder.Root() / "Plugins" / "orvo_aimp_kaleidra.dll");
  const E2eRun missing = RunStandin(folder, "start; menu; stop; unload");
  ASSERT_FALSE(missing.timedOut);
  EXPECT_EQ(missing.exitCode, 0u);
  EXPECT_EQ(Only(missing, "LoadLibrary"), "0");
  EXPECT_GE(missing.Problems().size(), 4u) << missing.Text();

  const E2eRun bad = RunStandin(folder, "start; jump 3");
  EXPECT_EQ(bad.exitCode, 2u);
  EXPECT_TRUE(bad.calls.empty()) << bad.Text();
  ASSERT_EQ(bad.Problems().size(), 1u) << bad.Text();
  EXPECT_NE(bad.Problems()[0].find("jump"), std::string::npos);
}

}  // namespace
}  // namespace e2e
