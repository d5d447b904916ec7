// The user's lists from the file into the windows at start and back at stop.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/randomiser.h"
#include "core/skin_entry.h"
#include "fake_player/services.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "plugin/plugin.h"
#include "tests/support/fixture.h"
#include "ui/palette/brightness_window.h"
#include "ui/palette/colour_window.h"
#include "ui/settings/settings_window.h"
#include "ui/skins/skin_window.h"
#include "ui/toolkit/testing/user_actions.h"

namespace {

const char* kLists = "Plugins\\orvo_aimp_kaleidrap.ini";
const char* kSettings = "Plugins\\orvo_aimp_kaleidra.ini";

class ListsThroughPlugin : public ::testing::Test {
 protected:
  ListsThroughPlugin() {
    core.skins.skins[u""] = {u"Player", u"Standard", u"Built in", nullptr};
    core.skins.skins[u"a.acs2"] = {u"Ann", u"Aqua", u"", nullptr};
    folder.Write("Skins\\a.acs2", "");
    kaleidra::QueryAddon3(&plugin);
  }
  ~ListsThroughPlugin() override {
    plugin->Finalize();
    plugin->Release();
    kaleidra::ReleaseServices();
  }
  std::u16string Value(const char* file, const char16_t* section, const std::u16string& key) {
    return platform::ReadProfileText(folder.Path(file), section, key, u"<none>");
  }
  void Start() { ASSERT_EQ(plugin->Initialize(&core), 0); }

  fixture::PlayerFolder folder;
  fixture::MessageBoxRecorder boxes;
  fake_player::CoreUnit core;
  host::IAIMPAddonPlugin* plugin = nullptr;
};

TEST_F(ListsThroughPlugin, LoadThenSaveKeepsNamesAndMapsIndices) {
  folder.Write(kLists,
               "[Skins]\r\nCount=4\r\nSkinName1=a.acs2\r\nSkinName2=gone.acs2\r\nSkinName3=\r\n"
               "SkinName4=a.acs2\r\n"
               "[Colors]\r\nCount=3\r\nColorID1=0\r\nColorID2=100\r\nColorID3=250\r\n"
               "[Intensities]\r\nCount=2\r\nIntensityID1=50\r\nIntensityID2=-1\r\n");
  Start();
  const auto& skins = *kaleidra::SkinListForm->SelSkinList;
  ASSERT_EQ(skins.Count(), 4);
  EXPECT_EQ(skins.Entry(1), nullptr) << "the player refuses gone.acs2";
  EXPECT_EQ(skins.Entry(0), skins.Entry(3)) << "one entry per name in a load";
  EXPECT_EQ(skins.Entry(2)->Name, u"Standard");
  const auto& colors = *kaleidra::ColorListForm->ColorsList;
  ASSERT_EQ(colors.Count(), 3);
  EXPECT_EQ(colors.ItemText(0), u"0");                           // black
  EXPECT_EQ(colors.ItemText(1), platform::ToDecimal(0xFCFF00));  // (0, 255, 252)
  EXPECT_EQ(kaleidra::IntensityListForm->IntensitiesList->Count(), 2);

  ASSERT_EQ(plugin->Finalize(), 0);
  EXPECT_EQ(Value(kLists, u"Skins", u"SkinName1"), u"a.acs2");
  EXPECT_EQ(Value(kLists, u"Skins", u"SkinName2"), u"") << "a refused skin is saved empty";
  EXPECT_EQ(Value(kLists, u"Skins", u"SkinName3"), u"");
  EXPECT_EQ(Value(kLists, u"Skins", u"SkinName4"), u"a.acs2");
  // Index 100 lands on the second of a repeated pair and comes back one lower.
  EXPECT_EQ(Value(kLists, u"Colors", u"ColorID2"), u"99");
  EXPECT_EQ(Value(kLists, u"Colors", u"ColorID3"), u"199");
  EXPECT_EQ(Value(kLists, u"Intensities", u"IntensityID1"), u"50");
  EXPECT_EQ(Value(kLists, u"Intensities", u"IntensityID2"), u"0");
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(ListsThroughPlugin, SameSkinAddedThriceIsSavedThriceAndReleased) {
  Start();
  auto& form = *kaleidra::SkinListForm;
  toolkit::test::ClickItem(*form.SkinList, 1);  // a.acs2, after the built-in skin
  for (int i = 0; i < 3; ++i) form.AddBtnClick();
  ASSERT_EQ(form.SelSkinList->Count(), 3);
  std::weak_ptr<kaleidra::SkinEntry> entry = form.SelSkinList->Entry(0);
  kaleidra::IntensityListForm->AddBtnClick();  // black, which the brightness strip lacks
  ASSERT_EQ(plugin->Finalize(), 0);
  EXPECT_TRUE(entry.expired());
  EXPECT_EQ(Value(kLists, u"Skins", u"Count"), u"3");
  EXPECT_EQ(Value(kLists, u"Skins", u"SkinName3"), u"a.acs2");
  EXPECT_EQ(Value(kLists, u"Intensities", u"IntensityID1"), u"-1");
  EXPECT_EQ(Value(kLists, u"Colors", u"Count"), u"<none>");
}

TEST_F(ListsThroughPlugin, EmptyListsClearTheirFlagsAtStop) {
  folder.Write(kSettings,
               "[Main]\r\nRandomColor=1\r\nRandomIntensity=1\r\nRandomSkin=1\r\n"
               "AllowMyColors=1\r\nAllowMyIntensities=1\r\nAllowMySkins=1\r\n");
  folder.Write(kLists, "[Colors]\r\nCount=1\r\nColorID1=5\r\n");
  Start();
  EXPECT_TRUE(kaleidra::AllowMyColors && kaleidra::AllowMyIntensities && kaleidra::AllowMySkins);
  ASSERT_EQ(plugin->Finalize(), 0);
  EXPECT_EQ(Value(kSettings, u"Main", u"AllowMyColors"), u"1");
  EXPECT_EQ(Value(kSettings, u"Main", u"AllowMyIntensities"), u"0");
  EXPECT_EQ(Value(kSettings, u"Main", u"AllowMySkins"), u"0");
}

TEST_F(ListsThroughPlugin, FailedWritesAreShownAndTheStopCompletes) {
  const std::string lists = "[Skins]\r\nCount=1\r\nSkinName1=a.acs2\r\n";
  folder.Write(kLists, lists);
  Start();
  folder.MakeFolder(kSettings);                     // cannot be written
  folder.MakeFolder(std::string(kLists) + ".new");  // nor can the new lists file
  ASSERT_EQ(plugin->Finalize(), 0);
  EXPECT_FALSE(kaleidra::PluginActive);
  EXPECT_EQ(kaleidra::SettingsForm, nullptr);
  EXPECT_EQ(kaleidra::SkinListForm, nullptr);
  EXPECT_EQ(core.menu.removed.size(), 1u);
  EXPECT_EQ(folder.Read(kLists), lists);
  ASSERT_EQ(boxes.calls.size(), 2u);
  EXPECT_EQ(boxes.calls[0].text, u"Unable to write to " + folder.Path(kSettings));
  EXPECT_EQ(boxes.calls[1].text, u"Unable to write to " + folder.Path(kLists));
  EXPECT_EQ(boxes.calls[1].caption, u"AIMP Kaleidra");
  EXPECT_EQ(boxes.calls[1].flags, platform::kMbIconError);
}

// Lists far longer than a hand-edited count is taken at: the tail entries
// (from 1000 on) differ from the head ones, so a list cut anywhere shows.
TEST_F(ListsThroughPlugin, LongListsMadeInTheWindowsComeBackWholeAfterTwoRestarts) {
  constexpr int kEntries = 5000;
  constexpr int kHead = 1000;
  for (int i = 0; i < 10; ++i) {
    const std::string name = "s" + std::to_string(i) + ".acs2";
    core.skins.skins[platform::FromUtf8(name)] = {u"", u"", u"", nullptr};
    folder.Write("Skins/" + name, "");
  }
  auto skinAt = [&](int k) {
    return u"s" + platform::ToDecimal(k % 5 + (k < kHead ? 0 : 5)) + u".acs2";
  };
  Start();
  auto& skinForm = *kaleidra::SkinListForm;
  auto rowOf = [&](const std::u16string& name) {
    for (int row = 0; row < skinForm.SkinList->Count(); ++row)
      if (skinForm.SkinList->Entry(row) && skinForm.SkinList->Entry(row)->FileName == name)
        return row;
    return -1;
  };
  // A palette list's entries at k: colours whose strip index maps back to
  // them (others move to a neighbour's colour), indices up to split in the
  // head and above it in the tail.
  struct Palette {
    kaleidra::TPaletteListForm* form;
    int32_t split;
    std::vector<uint32_t> head, tail;
    std::vector<std::u16string> added;
  };
  Palette palettes[] = {{kaleidra::ColorListForm.get(), 100, {}, {}, {}},
                        {kaleidra::IntensityListForm.get(), 50, {}, {}, {}}};
  for (Palette& p : palettes)
    for (int32_t index = 0; index <= 2 * p.split; ++index)
      if (p.form->GetIndexFromColor(p.form->ColorFromIndex(index)) == index)
        (index <= p.split ? p.head : p.tail).push_back(p.form->ColorFromIndex(index));
  std::vector<std::u16string> skinNames;
  for (int k = 0; k < kEntries; ++k) {
    toolkit::test::ClickItem(*skinForm.SkinList, rowOf(skinAt(k)));
    skinForm.AddBtnClick();
    skinNames.push_back(skinAt(k));
    for (Palette& p : palettes) {
      const auto& colors = k < kHead ? p.head : p.tail;
      ASSERT_FALSE(colors.empty());
      p.form->ColorChooserChangeColor(colors[static_cast<size_t>(k) % colors.size()]);
      p.form->AddBtnClick();
      p.added.emplace_back(p.form->List->ItemText(k));
    }
  }
  auto texts = [](const toolkit::ListBox& list) {
    std::vector<std::u16string> all;
    for (int i = 0; i < list.Count(); ++i) all.emplace_back(list.ItemText(i));
    return all;
  };
  for (int restart = 1; restart <= 2; ++restart) {
    SCOPED_TRACE(restart);
    ASSERT_EQ(plugin->Finalize(), 0);
    Start();
    const auto& selected = *kaleidra::SkinListForm->SelSkinList;
    std::vector<std::u16string> names;
    for (int i = 0; i < selected.Count(); ++i)
      names.emplace_back(selected.Entry(i) ? selected.Entry(i)->FileName : u"<refused>");
    EXPECT_EQ(names, skinNames);
    EXPECT_EQ(texts(*kaleidra::ColorListForm->ColorsList), palettes[0].added);
    EXPECT_EQ(texts(*kaleidra::IntensityListForm->IntensitiesList), palettes[1].added);
  }
  // Only the tail holds s5..s9, colour indices above 100 and levels above 50.
  kaleidra::SetSeedSource([seed = 5u]() mutable { return seed += 0x9E3779B9u; });
  core.skins.currentSkin = u"s0.acs2";
  bool tailSkin = false, tailColor = false, tailLevel = false;
  for (int draw = 0; draw < 40; ++draw) {
    tailSkin = tailSkin || kaleidra::PickMySkin(&core.skins) >= u"s5";
    tailColor = tailColor || kaleidra::PickMyColor() > 100;
    tailLevel = tailLevel || kaleidra::PickMyIntensity() > 50;
  }
  kaleidra::SetSeedSource(nullptr);
  EXPECT_TRUE(tailSkin && tailColor && tailLevel) << tailSkin << tailColor << tailLevel;
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(ListsThroughPlugin, AbsurdCountWithRefusedBuiltInSkinWarnsOnce) {
  core.skins.refused.insert(u"");
  folder.Write(kLists, "[Skins]\r\nCount=2147483647\r\n");
  Start();
  EXPECT_EQ(kaleidra::SkinListForm->SelSkinList->Count(), kaleidra::kListCountChecked);
  // One box from the skin list's own built-in row, one from the whole load.
  EXPECT_EQ(boxes.calls.size(), 2u);
  EXPECT_LE(core.skins.infoRequests.size(), 3u);
}

}  // namespace
