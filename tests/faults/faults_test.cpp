// The player failing the plug-in in every way the stand-in can: missing
// services, refused skins, odd previews, a current-skin read that gives
// nothing, a missing or crowded Skins folder. Each case names its outcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/e2e/e2e_run.h"

namespace e2e {
namespace {

const char kSettings[] = "Plugins\\orvo_aimp_kaleidra.ini";
const char kLists[] = "Plugins\\orvo_aimp_kaleidrap.ini";
const char kSession[] = "start; menu; menu; stop; unload";

// Ran to its end: no fault, no problem line, no hang.
void ExpectNoFault(const E2eRun& run) {
  ASSERT_FALSE(run.timedOut) << run.Text();
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.Problems().empty()) << run.Text();
}

std::string Only(const E2eRun& run, const std::string& name) {
  const auto calls = run.Lines(name);
  EXPECT_EQ(calls.size(), 1u) << name << " in:\n" << run.Text();
  return calls.empty() ? std::string() : calls[0].result;
}

std::vector<std::string> AppliedSkins(const E2eRun& run) {
  std::vector<std::string> skins;
  for (const LogCall& call : run.Lines("ApplySkin")) skins.push_back(call.args.at(0));
  return skins;
}

// Skin selection window showing its rows one after another, then cancelled.
std::string ShowEverySkinRow(int rows) {
  std::string script =
      "start; settings; window \"AIMP Kaleidra - Настройки\"; tab \"Обложки\";"
      "click \"Выбрать...\"; window \"Выборка обложек\";";
  for (int row = 0; row < rows; ++row) script += " select " + std::to_string(row) + ";";
  return script +
         " wait 0.3; shot previews.bmp; click \"Отмена\"; window \"AIMP Kaleidra - Настройки\";"
         " close; stop; unload";
}

TEST(Faults, WithoutTheSkinsServiceThePluginStaysStoppedAndWritesNothing) {
  StandinFolder folder;
  const E2eRun run = RunStandin(folder, "start; settings; stop; unload", {"--no-skins-service"});
  ExpectNoFault(run);
  EXPECT_EQ(Only(run, "Initialize"), "1");
  EXPECT_EQ(run.Lines("Initialize").at(0).Int("windows"), 0);
  EXPECT_TRUE(run.Lines("AddMenuItem").empty());
  EXPECT_TRUE(run.Lines("ApplySkin").empty());
  EXPECT_FALSE(std::filesystem::exists(folder.Root() / kSettings));
}

TEST(Faults, WithoutTheMenuServiceThePluginRunsWithoutItsCommand) {
  StandinFolder folder;
  folder.AddSkin("a.acs2", "name=A\n");
  const E2eRun run = RunStandin(folder, "start; settings; stop; unload", {"--no-menu-service"});
  ExpectNoFault(run);
  EXPECT_EQ(Only(run, "Initialize"), "0");
  EXPECT_TRUE(run.Lines("AddMenuItem").empty());
  EXPECT_TRUE(run.Lines("RemoveMenuItem").empty());
  EXPECT_EQ(run.Lines("ApplySkin").size(), 1u) << "the start-up change still happens";
  EXPECT_EQ(Only(run, "Finalize"), "0");
  EXPECT_TRUE(std::filesystem::exists(folder.Root() / kSettings));
}

// A refused listed skin is kept as a row without an entry and saved as the
// built-in skin; the skins the player describes stay as they were.
TEST(Faults, RefusedSkinsBecomeTheBuiltInSkinInTheSavedList) {
  StandinFolder folder;
  folder.AddSkin("a.acs2", "name=A\n");
  folder.AddSkin("b.acs3", "name=B\n");
  folder.Write(kSettings, "[Main]\r\nRandomSkin=1\r\nAllowMySkins=1\r\n");
  folder.Write(kLists, "[Skins]\r\nCount=2\r\nSkinName1=a.acs2\r\nSkinName2=b.acs3\r\n");
  const E2eRun run = RunStandin(folder, kSession, {"--refuse", "a.acs2"});
  ExpectNoFault(run);
  EXPECT_EQ(Only(run, "Initialize"), "0");
  const std::u16string lists = [&] {
    std::ifstream in(folder.Root() / kLists, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                    static_cast<unsigned char>(bytes[i + 1]) << 8);
    return text;
  }();
  EXPECT_NE(lists.find(u"SkinName1=\r\n"), std::u16string::npos);
  EXPECT_NE(lists.find(u"SkinName2=b.acs3\r\n"), std::u16string::npos);
}

// Refusing the built-in skin brings up the "Error" box once, at start-up, and
// the session goes on with every skin refused.
TEST(Faults, EverySkinRefusedShowsOneErrorBoxAndTheSessionGoesOn) {
  StandinFolder folder;
  folder.AddSkin("a.acs2", "name=A\n");
  folder.AddSkin("b.acs3", "name=B\n");
  const E2eRun run =
      RunStandin(folder, kSession, {"--refuse", "", "--refuse", "a.acs2", "--refuse", "b.acs3"});
  ExpectNoFault(run);
  EXPECT_EQ(Only(run, "Initialize"), "0");
  const auto boxes = run.Lines("MessageBox");
  ASSERT_EQ(boxes.size(), 1u) << run.Text();
  EXPECT_EQ(boxes[0].args.at(0), "Error");
  for (const LogCall& call : run.Lines("ReadSkinInfo")) EXPECT_NE(call.result, "0") << call.text;
  EXPECT_EQ(run.Lines("ApplySkin").size(), 3u);
  EXPECT_EQ(Only(run, "Finalize"), "0");
}

// Previews missing, one pixel, one pixel wide, far wider than tall: every row
// and the preview area draw them stretched, without a fault.
TEST(Faults, PreviewsOfNoneAndOfOddSizesAreDrawn) {
  StandinFolder folder;
  folder.AddSkin("none.acs2", "name=No preview\n");
  folder.AddSkin("dot.acs2", "name=Dot\npreview=00FF00\npreview_size=1,1\n");
  folder.AddSkin("thin.acs2", "name=Thin\npreview=0000FF\npreview_size=1,500\n");
  folder.AddSkin("wide.acs2", "name=Wide\npreview=FF00FF\npreview_size=3000,2\n");
  folder.Write(kSettings, "[Main]\r\nRandomSkin=1\r\nAllowMySkins=1\r\n");
  folder.Write(kLists, "[Skins]\r\nCount=2\r\nSkinName1=wide.acs2\r\nSkinName2=none.acs2\r\n");
  const E2eRun run = RunStandin(folder, ShowEverySkinRow(5));
  ExpectNoFault(run);
  EXPECT_EQ(run.Lines("Select").size(), 5u);
  EXPECT_EQ(Only(run, "Shot"), "saved");
  EXPECT_EQ(Only(run, "Finalize"), "0");
}

// A player that answers the current-skin read without filling anything in:
// the plug-in takes the built-in skin, hue 0 and intensity 0 as the look.
TEST(Faults, CurrentSkinReadGivingNothingCountsAsTheBuiltInSkinAtZero) {
  StandinFolder folder;
  folder.Write(kSettings, "[Main]\r\nRandomColor=0\r\n");
  const E2eRun run =
      RunStandin(folder, "start; stop; unload",
                 {"--current-skin-writes-nothing", "--hue", "77", "--intensity", "66"});
  ExpectNoFault(run);
  const auto applied = run.Lines("ApplySkin");
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_EQ(applied[0].args, (std::vector<std::string>{"", "0", "0"}));
}

// No Skins folder: only the built-in skin is described, and every skin change
// draws it.
TEST(Faults, MissingSkinsFolderLeavesTheBuiltInSkinOnly) {
  StandinFolder folder;
  std::filesystem::remove_all(folder.Root() / "Skins");
  folder.Write(kSettings, "[Main]\r\nRandomSkin=1\r\n");
  const E2eRun run = RunStandin(folder, kSession);
  ExpectNoFault(run);
  EXPECT_EQ(Only(run, "Initialize"), "0");
  const auto described = run.Lines("ReadSkinInfo");
  ASSERT_EQ(described.size(), 1u);
  EXPECT_EQ(described[0].args.at(0), "");
  EXPECT_EQ(AppliedSkins(run), (std::vector<std::string>{"", "", ""}));
}

// 5000 entries named like skins, half of them folders: every one is listed
// (folders as skins the player refuses), a skin change only ever names an
// entry of the folder, and nothing hangs.
TEST(Faults, CrowdedSkinsFolderIsListedAndDrawnFrom) {
  StandinFolder folder;
  const int kEach = 2500;
  for (int i = 0; i < kEach; ++i) {
    const std::string n = std::to_string(10000 + i);
    folder.Write("Skins\\f" + n + ".acs2", "");
    std::filesystem::create_directory(folder.Root() / "Skins" / ("d" + n + ".acs3"));
  }
  folder.Write(kSettings, "[Main]\r\nRandomSkin=1\r\n");
  const E2eRun run = RunStandin(folder, "start; menu; menu; menu; stop; unload", {}, 120000);
  ExpectNoFault(run);
  EXPECT_EQ(Only(run, "Initialize"), "0");
  EXPECT_EQ(run.Lines("ReadSkinInfo").size(), 1u + 2 * kEach);
  for (const std::string& skin : AppliedSkins(run)) {
    EXPECT_TRUE(skin.empty() || std::filesystem::exists(folder.Root() / "Skins" / skin)) << skin;
  }
  std::cout << "start-up with " << 2 * kEach
            << " entries: " << run.Lines("Initialize").at(0).Int("ms") << " ms\n";
}

}  // namespace
}  // namespace e2e
