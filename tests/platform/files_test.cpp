#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/platform.h"
#include "platform/text.h"
#include "tests/support/fixture.h"

namespace {

std::vector<std::u16string> Matches(const std::u16string& folder, const std::u16string& mask) {
  std::vector<std::u16string> names;
  platform::ForEachMatch(folder, mask, [&](const std::u16string& n) {
    names.push_back(n);
    return true;
  });
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Files, SearchMatchesMaskCaseInsensitivelyFoldersIncluded) {
  fixture::PlayerFolder folder;
  folder.Write("Skins\\a.acs2", "");
  folder.Write("Skins\\B.ACS2", "");
  folder.Write("Skins\\c.acs3", "");
  folder.Write("Skins\\d.acs2.bak", "");
  folder.MakeFolder("Skins\\dir.acs2");
  const auto skins = platform::ExecutableFolder() + u"Skins\\";
  EXPECT_EQ(Matches(skins, u"*.acs2"),
            (std::vector<std::u16string>{u"B.ACS2", u"a.acs2", u"dir.acs2"}));
  EXPECT_EQ(Matches(skins, u"*.acs3"), (std::vector<std::u16string>{u"c.acs3"}));
  EXPECT_TRUE(Matches(platform::ExecutableFolder() + u"NoSuch\\", u"*.acs2").empty());
}

TEST(Files, SearchStopsWhenAsked) {
  fixture::PlayerFolder folder;
  for (int i = 0; i < 5; ++i) folder.Write("Skins\\s" + std::to_string(i) + ".acs2", "");
  int seen = 0;
  platform::ForEachMatch(platform::ExecutableFolder() + u"Skins\\", u"*.acs2",
                         [&](const std::u16string&) { return ++seen < 2; });
  EXPECT_EQ(seen, 2);
}

TEST(Files, ExistsDeleteReplace) {
  fixture::PlayerFolder folder;
  folder.Write("Plugins\\old.ini", "old");
  folder.Write("Plugins\\new.ini", "new");
  EXPECT_TRUE(platform::FileExists(folder.Path("Plugins\\old.ini")));
  EXPECT_FALSE(platform::FileExists(folder.Path("Plugins")));
  ASSERT_TRUE(
      platform::ReplaceFileWith(folder.Path("Plugins\\new.ini"), folder.Path("Plugins\\old.ini")));
  EXPECT_EQ(folder.Read("Plugins\\old.ini"), "new");
  EXPECT_FALSE(folder.Exists("Plugins\\new.ini"));
  EXPECT_TRUE(platform::DeleteFileAt(folder.Path("Plugins\\old.ini")));
  EXPECT_FALSE(platform::DeleteFileAt(folder.Path("Plugins\\old.ini")));
}

TEST(Files, ExecutableFolderEndsInASeparator) {
  const auto folder = platform::ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(folder.back() == u'\\' || folder.back() == u'/');
}

}  // namespace
