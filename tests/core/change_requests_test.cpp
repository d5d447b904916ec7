#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "core/randomiser.h"
#include "fake_player/services.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "tests/support/fixture.h"

namespace {

using kaleidra::ChangeRequest;
using kaleidra::SettingsView;

struct SeedSequence {
  explicit SeedSequence(uint32_t start = 1) : next(start) {
    kaleidra::SetSeedSource([this] { return next += 0x9E3779B9u; });
  }
  ~SeedSequence() { kaleidra::SetSeedSource(nullptr); }
  uint32_t next;
};

std::array<std::u16string, 3> Slots(const ChangeRequest& r) {
  return r.slots;
}

TEST(Builders, SlotRuleAndGates) {
  struct Case {
    const char* what;
    SettingsView state;
    std::array<std::u16string, 3> menu, startup, timer;
  };
  SettingsView all;  // values at creation: groups on item 1, boxes clear, flags clear
  SettingsView ticked = all;
  ticked.CSChk = ticked.IntenChk = ticked.SkinChk = true;
  SettingsView timerAll = ticked;
  timerAll.TimerAllowChangeColor = timerAll.TimerAllowChangeIntensity =
      timerAll.TimerAllowChangeSkins = true;
  SettingsView lists = timerAll;
  lists.AllowMyColors = lists.AllowMyIntensities = lists.AllowMySkins = true;
  lists.ChooseColor = 0;  // a set flag wins whatever item is selected
  SettingsView none = timerAll;
  none.ChooseColor = none.ChooseIntensity = none.SkinMethod = 0;
  SettingsView item2NoFlag = timerAll;
  item2NoFlag.ChooseColor = item2NoFlag.ChooseIntensity = item2NoFlag.SkinMethod = 2;
  SettingsView timerNoStartup = all;
  timerNoStartup.TimerAllowChangeColor = true;  // CSChk clear: the hue stays
  const Case cases[] = {
      {"at creation", all, {u"cs", u"in", u"sk"}, {u"", u"", u""}, {u"", u"", u""}},
      {"start-up boxes", ticked, {u"cs", u"in", u"sk"}, {u"cs", u"in", u"sk"}, {u"", u"", u""}},
      {"timer allowed",
       timerAll,
       {u"cs", u"in", u"sk"},
       {u"cs", u"in", u"sk"},
       {u"cs", u"in", u"sk"}},
      {"lists", lists, {u"csm", u"inm", u"sm"}, {u"csm", u"inm", u"sm"}, {u"csm", u"inm", u"sm"}},
      {"modes off", none, {u"", u"", u""}, {u"", u"", u""}, {u"", u"", u""}},
      {"item 2 without flag", item2NoFlag, {u"", u"", u""}, {u"", u"", u""}, {u"", u"", u""}},
      {"timer without start-up box",
       timerNoStartup,
       {u"cs", u"in", u"sk"},
       {u"", u"", u""},
       {u"", u"", u""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Slots(kaleidra::BuildMenuRequest(c.state)), c.menu);
    EXPECT_EQ(Slots(kaleidra::BuildStartupRequest(c.state)), c.startup);
    EXPECT_EQ(Slots(kaleidra::BuildTimerRequest(c.state)), c.timer);
  }
}

class Apply : public ::testing::Test {
 protected:
  Apply() {
    skins.currentSkin = u"now.acs2";
    skins.hue = 17;
    skins.intensity = 33;
  }
  fake_player::AppliedLook ApplyOnce(std::array<std::u16string, 3> slots) {
    ChangeRequest r;
    r.slots = std::move(slots);
    const size_t before = skins.applied.size();
    kaleidra::ApplyChangeRequest(&skins, r);
    EXPECT_EQ(skins.applied.size(), before + 1) << "exactly one ApplySkin per request";
    return skins.applied.back();
  }
  fixture::PlayerFolder folder;
  fake_player::SkinsService skins;
  SeedSequence seeds;
};

TEST_F(Apply, EmptyOrUnknownTokensReapplyTheCurrentLook) {
  for (auto slots :
       {std::array<std::u16string, 3>{}, std::array<std::u16string, 3>{u"CS", u"x", u"sk "}}) {
    const auto look = ApplyOnce(slots);
    EXPECT_EQ(look.skin, u"now.acs2");
    EXPECT_EQ(look.hue, 17);
    EXPECT_EQ(look.intensity, 33);
  }
}

TEST_F(Apply, HostThatWritesNothingGivesTheStartingValues) {
  skins.readWritesNothing = true;
  const auto look = ApplyOnce({});
  EXPECT_EQ(look.skin, u"");
  EXPECT_EQ(look.hue, 0);
  EXPECT_EQ(look.intensity, 0);
}

TEST_F(Apply, EachTokenChangesOnlyItsValue) {
  folder.Write("Plugins\\orvo_aimp_kaleidrap.ini",
               "[Skins]\r\nCount=1\r\nSkinName1=mine.acs3\r\n"
               "[Colors]\r\nCount=1\r\nColorID1=150\r\n"
               "[Intensities]\r\nCount=1\r\nIntensityID1=60\r\n");
  folder.Write("Skins\\only.acs2", "");
  EXPECT_EQ(ApplyOnce({u"csm", u"", u""}).hue, 150);
  EXPECT_EQ(ApplyOnce({u"", u"inm", u""}).intensity, 60);
  EXPECT_EQ(ApplyOnce({u"", u"", u"sm"}).skin, u"mine.acs3");
  skins.hue = 1000;  // out of any range a draw gives
  skins.intensity = 1000;
  const auto cs = ApplyOnce({u"cs", u"", u""});
  EXPECT_LT(cs.hue, 256);
  EXPECT_EQ(cs.intensity, 1000);
  const auto in = ApplyOnce({u"", u"in", u""});
  EXPECT_LT(in.intensity, 101);
  EXPECT_EQ(in.skin, u"mine.acs3");
  const auto sk = ApplyOnce({u"", u"", u"sk"});
  EXPECT_TRUE(sk.skin == u"" || sk.skin == u"only.acs2");
  // The token decides, not the slot; a later token overrides an earlier one.
  EXPECT_EQ(ApplyOnce({u"sm", u"", u""}).skin, u"mine.acs3");
  EXPECT_EQ(ApplyOnce({u"cs", u"csm", u""}).hue, 150);
}

TEST(RandomBelow, WholeRangesAreInclusive) {
  SeedSequence seeds;
  std::set<int32_t> hues, intensities;
  for (int i = 0; i < 20000; ++i) {
    hues.insert(kaleidra::RandomBelow(256));
    intensities.insert(kaleidra::RandomBelow(101));
  }
  EXPECT_EQ(hues.size(), 256u);
  EXPECT_EQ(*hues.begin(), 0);
  EXPECT_EQ(*hues.rbegin(), 255);
  EXPECT_EQ(intensities.size(), 101u);
  EXPECT_EQ(*intensities.rbegin(), 100);
  EXPECT_EQ(kaleidra::RandomBelow(1), 0);
  EXPECT_EQ(kaleidra::RandomBelow(0), 0);
  EXPECT_EQ(kaleidra::RandomBelow(-5), 0);
}

TEST(RandomBelow, ReseedsBeforeEveryDraw) {
  kaleidra::SetSeedSource([] { return 12345u; });
  const int32_t first = kaleidra::RandomBelow(1000);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(kaleidra::RandomBelow(1000), first);
  kaleidra::SetSeedSource(nullptr);
}

TEST(PickAnySkin, EmptyOneFileAndMixedFolders) {
  SeedSequence seeds;
  fixture::PlayerFolder folder;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(kaleidra::PickAnySkin(), u"");

  folder.Write("Skins\\one.acs3", "");
  int builtIn = 0;
  for (int i = 0; i < 2000; ++i) builtIn += kaleidra::PickAnySkin().empty();
  EXPECT_GT(builtIn, 800);
  EXPECT_LT(builtIn, 1200);

  folder.Write("Skins\\two.acs2", "");
  folder.Write("Skins\\three.ACS2", "");
  folder.Write("Skins\\notes.txt", "");
  folder.MakeFolder("Skins\\folder.acs2");
#ifndef _WIN32
  // Only here can a search return a name the player must not be switched to.
  folder.Write("Skins\\drive:stream.acs3", "");
#endif
  std::set<std::u16string> seen;
  for (int i = 0; i < 2000; ++i) seen.insert(kaleidra::PickAnySkin());
  EXPECT_EQ(seen, (std::set<std::u16string>{u"", u"one.acs3", u"two.acs2", u"three.ACS2",
                                            u"folder.acs2"}));
}

// Files the folder search returns after the 1024th are drawn as often as the
// first ones: a third of the draws falls before the 1025th name, two thirds after.
TEST(PickAnySkin, EveryFileOfAHugeFolderIsDrawn) {
  fixture::PlayerFolder folder;
  constexpr int kFiles = 3000;
  for (int i = 0; i < kFiles; ++i)
    folder.Write("Skins\\s" + std::to_string(i) + (i % 2 ? ".acs2" : ".acs3"), "");
  std::map<std::u16string, int> position{{u"", 0}};  // in the order of the search
  for (const char16_t* mask : {u"*.acs3", u"*.acs2"})
    platform::ForEachMatch(kaleidra::SkinsFolder(), mask, [&](const std::u16string& name) {
      position.emplace(name, static_cast<int>(position.size()));
      return true;
    });
  ASSERT_EQ(position.size(), kFiles + 1u);

  SeedSequence seeds;
  constexpr int kDraws = 600;
  int late = 0;
  std::set<std::u16string> drawn;
  for (int i = 0; i < kDraws; ++i) {
    const std::u16string name = kaleidra::PickAnySkin();
    ASSERT_EQ(position.count(name), 1u) << platform::ToUtf8(name);
    late += position[name] > 1024;
    drawn.insert(name);
  }
  EXPECT_GT(late, kDraws * 55 / 100);
  EXPECT_LT(late, kDraws * 78 / 100);
  EXPECT_GT(drawn.size(), kDraws * 8 / 10u) << "draws spread over the folder";
}

}  // namespace
