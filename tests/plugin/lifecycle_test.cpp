#include <gtest/gtest.h>

#include "fake_player/services.h"
#include "plugin/plugin.h"
#include "tests/support/fixture.h"

namespace {

using kaleidra::TAIMPKaleidra;

class Lifecycle : public ::testing::Test {
 protected:
  Lifecycle() {
    EXPECT_EQ(kaleidra::QueryAddon3(&plugin), -1);
    EXPECT_NE(plugin, nullptr);
  }
  ~Lifecycle() override {
    if (plugin) {
      plugin->Finalize();
      plugin->Release();
    }
    kaleidra::ReleaseServices();
    EXPECT_EQ(core.skins.Balance(), 0);
    EXPECT_EQ(core.menu.Balance(), 0);
    EXPECT_EQ(TAIMPKaleidra::LiveCount(), 0);
  }
  fixture::PlayerFolder folder;
  fixture::MessageBoxRecorder boxes;
  fake_player::CoreUnit core;
  host::IAIMPAddonPlugin* plugin = nullptr;
};

TEST(Entry, NullAddressCreatesNothing) {
  EXPECT_EQ(kaleidra::QueryAddon3(nullptr), 0);
  EXPECT_EQ(TAIMPKaleidra::LiveCount(), 0);
}

TEST_F(Lifecycle, IdentityAndReferenceCount) {
  EXPECT_EQ(TAIMPKaleidra::LiveCount(), 1);
  EXPECT_EQ(std::u16string(plugin->GetPluginName()), u"AIMP Kaleidra");
  EXPECT_EQ(std::u16string(plugin->GetPluginInfo()), u"Plugin for work with the skin engine");
  EXPECT_FALSE(std::u16string(plugin->GetPluginAuthor()).empty());
  EXPECT_EQ(plugin->GetPluginFlags(), 1u);

  void* out = nullptr;
  EXPECT_EQ(plugin->QueryInterface(host::IID_IAIMPAddonPlugin, &out), host::kResultOk);
  EXPECT_EQ(out, plugin);
  EXPECT_EQ(plugin->QueryInterface(host::IID_IUnknown, &out), host::kResultOk);
  EXPECT_EQ(plugin->QueryInterface(host::SID_SkinsService, &out), host::kNoInterface);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(plugin->Release(), 2u);  // the two answered queries added references
  EXPECT_EQ(plugin->Release(), 1u);
}

TEST_F(Lifecycle, WithoutSkinsServiceNothingHappens) {
  core.provideSkins = false;
  EXPECT_EQ(plugin->ShowSettingsDialog(nullptr), 0);
  EXPECT_EQ(plugin->Finalize(), 0);
  EXPECT_EQ(plugin->Initialize(&core), 1);
  EXPECT_FALSE(kaleidra::PluginActive);
  EXPECT_EQ(core.queries.size(), 1u);  // only the skins service was asked for
  EXPECT_EQ(plugin->ShowSettingsDialog(nullptr), 0);
  EXPECT_EQ(plugin->Finalize(), 0);
  EXPECT_TRUE(core.menu.items.empty());
  EXPECT_TRUE(core.menu.removed.empty());
  EXPECT_TRUE(core.skins.applied.empty());
  EXPECT_EQ(core.Balance(), 0);
  EXPECT_FALSE(folder.Exists("Plugins\\orvo_aimp_kaleidra.ini"));
}

TEST_F(Lifecycle, StartMenuCommandsAndStop) {
  folder.Write("Skins\\a.acs2", "");
  folder.Write("Skins\\b.acs3", "");
  ASSERT_EQ(plugin->Initialize(&core), 0);
  EXPECT_TRUE(kaleidra::PluginActive);
  EXPECT_EQ(core.Balance(), 0) << "the core unit is held only during Initialize";
  EXPECT_EQ(core.skins.applied.size(), 1u) << "the start-up request";

  ASSERT_EQ(core.menu.items.size(), 1u);
  const auto& [handle, item] = *core.menu.items.begin();
  EXPECT_EQ(item.parent, 0);
  EXPECT_EQ(item.record.Size, sizeof(host::MenuItemRecord));  // 28 on i686, 40 on x86_64
  EXPECT_EQ(item.caption, u"Случайная обложка");
  EXPECT_EQ(item.record.Kind, 4u);
  EXPECT_EQ(item.record.ShortCut, 0x49u);
  EXPECT_EQ(item.record.Reserved1, 0u);
  EXPECT_EQ(item.record.Reserved2, 0u);

  for (int i = 0; i < 30; ++i) {
    core.menu.Pick(handle);
    ASSERT_EQ(core.skins.applied.size(), static_cast<size_t>(i + 2));
    const auto& look = core.skins.applied.back();
    EXPECT_GE(look.hue, 0);
    EXPECT_LE(look.hue, 255);
    EXPECT_GE(look.intensity, 0);
    EXPECT_LE(look.intensity, 100);
    EXPECT_TRUE(look.skin == u"" || look.skin == u"a.acs2" || look.skin == u"b.acs3");
  }

  const int32_t expectedHandle = handle;
  EXPECT_EQ(plugin->Finalize(), 0);
  EXPECT_EQ(core.menu.removed, std::vector<int32_t>{expectedHandle});
  EXPECT_FALSE(kaleidra::PluginActive);
  EXPECT_EQ(plugin->Finalize(), 0);
  EXPECT_EQ(core.menu.removed.size(), 1u) << "a second Finalize does nothing";
}

TEST_F(Lifecycle, MissingMenuServiceStillStarts) {
  core.provideMenu = false;
  ASSERT_EQ(plugin->Initialize(&core), 0);
  EXPECT_EQ(core.skins.applied.size(), 1u);
  EXPECT_EQ(plugin->Finalize(), 0);
  EXPECT_TRUE(core.menu.removed.empty());
}

}  // namespace
