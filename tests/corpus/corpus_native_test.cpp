// Every corpus case through the plug-in's whole life against a fake player:
// the settings load into the headless settings window, the lists load, a menu
// command, the saves.
#include <gtest/gtest.h>

#include "fake_player/services.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "plugin/plugin.h"
#include "plugin/selection_lists.h"
#include "tests/corpus/corpus_cases.h"
#include "tests/support/fixture.h"

namespace corpus {
namespace {

const char kSettings[] = "Plugins\\orvo_aimp_kaleidra.ini";
const char kLists[] = "Plugins\\orvo_aimp_kaleidrap.ini";

class CorpusNative : public ::testing::TestWithParam<CorpusCase> {
 protected:
  CorpusNative() {
    core.skins.skins[u""] = {u"Player", u"Built-in", u"", nullptr};
    for (const std::string& file : SkinFiles()) {
      folder.Write("Skins\\" + file, "");
      core.skins.skins[platform::FromUtf8(file)] = {u"Author", u"Skin", u"", nullptr};
    }
    const CorpusCase& c = GetParam();
    if (c.settings) folder.Write(kSettings, *c.settings);
    if (c.lists) folder.Write(kLists, *c.lists);
  }
  ~CorpusNative() override {
    if (plugin) plugin->Release();
    kaleidra::ReleaseServices();
  }

  fixture::PlayerFolder folder;
  fixture::MessageBoxRecorder boxes;
  fake_player::CoreUnit core;
  host::IAIMPAddonPlugin* plugin = nullptr;
};

TEST_P(CorpusNative, StartMenuAndStopKeepTheUsersLists) {
  const CorpusCase& c = GetParam();
  const kaleidra::SelectionLists read = kaleidra::ReadSelectionListsFile(folder.Path(kLists));

  ASSERT_EQ(kaleidra::QueryAddon3(&plugin), -1);
  ASSERT_EQ(plugin->Initialize(&core), 0);
  ASSERT_EQ(core.menu.items.size(), 1u);
  core.menu.Pick(core.menu.items.begin()->first);
  if (c.lists) {
    EXPECT_TRUE(folder.Read(kLists) == *c.lists) << "reading changed the lists file";
  }
  EXPECT_EQ(plugin->Finalize(), 0);

  EXPECT_EQ(core.skins.applied.size(), 2u) << "start-up change and the menu command";
  for (const std::u16string& name : core.skins.infoRequests)
    EXPECT_FALSE(IsUnsafeSkinName(name)) << "asked about " << platform::ToUtf8(name);
  for (const fake_player::AppliedLook& look : core.skins.applied)
    EXPECT_FALSE(IsUnsafeSkinName(look.skin)) << "applied " << platform::ToUtf8(look.skin);
  EXPECT_TRUE(boxes.calls.empty()) << platform::ToUtf8(boxes.calls.at(0).text);
  if (c.listsSurviveSession) {
    ExpectSameLists(ListsAfterSession(read), kaleidra::ReadSelectionListsFile(folder.Path(kLists)));
  }
}

TEST_P(CorpusNative, ListsLoadReadsWhatKeyByKeyReadsGive) {
  const std::u16string path = folder.Path(kLists);
  ExpectSameLists(kaleidra::ReadSelectionListsFileKeyByKey(path),
                  kaleidra::ReadSelectionListsFile(path));
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusNative, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CaseName(info.param); });

}  // namespace
}  // namespace corpus
