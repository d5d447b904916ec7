#include <gtest/gtest.h>

#include <set>

#include "core/randomiser.h"
#include "fake_player/services.h"
#include "tests/support/fixture.h"

namespace {

const char* kLists = "Plugins\\orvo_aimp_kaleidrap.ini";

class Picks : public ::testing::Test {
 protected:
  Picks() {
    kaleidra::SetSeedSource([this] { return seed += 0x9E3779B9u; });
  }
  ~Picks() override { kaleidra::SetSeedSource(nullptr); }

  std::set<std::u16string> Skins(int draws = 300) {
    std::set<std::u16string> seen;
    for (int i = 0; i < draws; ++i) seen.insert(kaleidra::PickMySkin(&skins));
    return seen;
  }
  std::set<int32_t> Draw(int32_t (*pick)(), int draws = 300) {
    std::set<int32_t> seen;
    for (int i = 0; i < draws; ++i) seen.insert(pick());
    return seen;
  }

  uint32_t seed = 7;
  fixture::PlayerFolder folder;
  fake_player::SkinsService skins;
};

TEST_F(Picks, NoListGivesBuiltInSkinAndZeroes) {
  const std::string sections[] = {
      "",  // no file at all
      "[Skins]\r\nCount=0\r\nSkinName1=a.acs2\r\n[Colors]\r\nCount=0\r\nColorID1=5\r\n"
      "[Intensities]\r\nCount=0\r\nIntensityID1=5\r\n",
      "[Skins]\r\nCount=-3\r\nSkinName1=a.acs2\r\n[Colors]\r\nCount=-1\r\nColorID1=5\r\n"
      "[Intensities]\r\nCount=-9\r\nIntensityID1=5\r\n",
      "[Skins]\r\nCount=abc\r\nSkinName1=a.acs2\r\n[Colors]\r\nCount=\r\nColorID1=5\r\n"
      "[Intensities]\r\nCount=x\r\nIntensityID1=5\r\n",
  };
  skins.currentSkin = u"cur.acs2";
  for (const auto& text : sections) {
    SCOPED_TRACE(text);
    if (text.empty())
      folder.Remove(kLists);
    else
      folder.Write(kLists, text);
    EXPECT_EQ(kaleidra::PickMySkin(&skins), u"");
    EXPECT_EQ(kaleidra::PickMyColor(), 0);
    EXPECT_EQ(kaleidra::PickMyIntensity(), 0);
  }
}

TEST_F(Picks, SkinRules) {
  struct Case {
    const char* what;
    std::u16string current;
    std::string lists;
    std::set<std::u16string> expected;
  };
  const Case cases[] = {
      {"count 1 returns the skin in use",
       u"a.acs2",
       "Count=1\r\nSkinName1=a.acs2\r\n",
       {u"a.acs2"}},
      {"never the skin in use otherwise",
       u"a.acs2",
       "Count=3\r\nSkinName1=a.acs2\r\nSkinName2=b.acs2\r\nSkinName3=c.acs3\r\n",
       {u"b.acs2", u"c.acs3"}},
      {"letter case counts",
       u"A.acs2",
       "Count=2\r\nSkinName1=a.acs2\r\nSkinName2=A.acs2\r\n",
       {u"a.acs2"}},
      {"missing keys read as the built-in skin",
       u"a.acs2",
       "Count=3\r\nSkinName1=a.acs2\r\n",
       {u""}},
      {"empty name is the built-in skin",
       u"a.acs2",
       "Count=2\r\nSkinName1=\r\nSkinName2=a.acs2\r\n",
       {u""}},
      // Drawing could never stop: the pick gives the skin in use.
      {"only the skin in use, listed twice",
       u"a.acs2",
       "Count=2\r\nSkinName1=a.acs2\r\nSkinName2=a.acs2\r\n",
       {u"a.acs2"}},
      {"only missing names while the built-in skin is in use", u"", "Count=5\r\n", {u""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    skins.currentSkin = c.current;
    folder.Write(kLists, "[Skins]\r\n" + c.lists);
    EXPECT_EQ(Skins(), c.expected);
  }
}

TEST_F(Picks, RareDifferentNameIsStillFound) {
  // 199 copies of the skin in use and one other: redrawing alone would often
  // give up; the fallback still finds the other name.
  std::string text = "[Skins]\r\nCount=200\r\n";
  for (int k = 1; k < 200; ++k) text += "SkinName" + std::to_string(k) + "=cur.acs2\r\n";
  text += "SkinName200=other.acs3\r\n";
  folder.Write(kLists, text);
  skins.currentSkin = u"cur.acs2";
  EXPECT_EQ(Skins(20), (std::set<std::u16string>{u"other.acs3"}));
}

TEST_F(Picks, AbsurdCountEndsQuickly) {
  folder.Write(kLists,
               "[Skins]\r\nCount=2147483647\r\nSkinName1=cur.acs2\r\n"
               "[Colors]\r\nCount=2147483647\r\nColorID1=9\r\n");
  skins.currentSkin = u"cur.acs2";
  EXPECT_EQ(kaleidra::PickMySkin(&skins), u"");  // a drawn key that is missing
  EXPECT_LE(kaleidra::PickMyColor(), 9);
  // An entry numbered as high as the count does not lift the bound.
  folder.Write(kLists,
               "[Skins]\r\nCount=2147483647\r\nSkinName1=cur.acs2\r\n"
               "SkinName2147483647=cur.acs2\r\n");
  EXPECT_EQ(kaleidra::PickMySkin(&skins), u"");
}

// Entries from 1001 on, as the plug-in saves lists of any length.
TEST_F(Picks, LongListsAreDrawnWhole) {
  std::string text = "[Colors]\r\nCount=3000\r\n";
  for (int k = 1; k <= 3000; ++k)
    text += "ColorID" + std::to_string(k) + (k <= 1000 ? "=1\r\n" : "=2\r\n");
  // Only one name differs from the skin in use, far beyond the thousandth.
  text += "[Skins]\r\nCount=3000\r\n";
  for (int k = 1; k <= 3000; ++k)
    text += "SkinName" + std::to_string(k) + (k == 2999 ? "=other.acs3\r\n" : "=cur.acs2\r\n");
  folder.Write(kLists, text);
  skins.currentSkin = u"cur.acs2";
  EXPECT_EQ(Draw(kaleidra::PickMyColor, 60), (std::set<int32_t>{1, 2}));
  EXPECT_EQ(Skins(3), (std::set<std::u16string>{u"other.acs3"}));
}

TEST_F(Picks, IndicesAreClamped) {
  folder.Write(kLists,
               "[Colors]\r\nCount=2\r\nColorID1=300\r\nColorID2=-3\r\n"
               "[Intensities]\r\nCount=2\r\nIntensityID1=150\r\nIntensityID2=-1\r\n");
  EXPECT_EQ(Draw(kaleidra::PickMyColor), (std::set<int32_t>{0, 200}));
  EXPECT_EQ(Draw(kaleidra::PickMyIntensity), (std::set<int32_t>{0, 100}));
}

TEST_F(Picks, MissingEntryKeysReadAsZero) {
  folder.Write(kLists, "[Colors]\r\nCount=3\r\nColorID1=42\r\n");
  EXPECT_EQ(Draw(kaleidra::PickMyColor), (std::set<int32_t>{0, 42}));
}

}  // namespace
