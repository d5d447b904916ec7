#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/platform.h"
#include "platform/text.h"
#include "tests/support/fixture.h"

namespace {

std::vector<std::u16string> InSearchOrder(const std::u16string& folder,
                                          const std::u16string& mask) {
  std::vector<std::u16string> names;
  platform::ForEachMatch(folder, mask, [&](const std::u16string& n) {
    names.push_back(n);
    return true;
  });
  return names;
}

std::vector<std::u16string> Matches(const std::u16string& folder, const std::u16string& mask) {
  std::vector<std::u16string> names = InSearchOrder(folder, mask);
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

TEST(Files, SearchMasksWithSeveralWildcardsAndNonAsciiNames) {
  fixture::PlayerFolder folder;
  for (const char* name : {"sun.acs2", "sn.acs2", "abcabc.acs3", "Обложка.ACS2", "ёж.acs3"})
    folder.Write(std::string("Skins\\") + name, "");
  const auto skins = platform::ExecutableFolder() + u"Skins\\";
  const struct {
    std::u16string mask;
    std::vector<std::u16string> names;
  } cases[] = {
      {u"s?n.acs2", {u"sun.acs2"}},
      {u"*b*c.ACS3", {u"abcabc.acs3"}},
      {u"*abc*abc*", {u"abcabc.acs3"}},
      {u"*.acs2", {u"sn.acs2", u"sun.acs2", u"Обложка.ACS2"}},
      {u"О?ложка.*", {u"Обложка.ACS2"}},
      {u"??.acs3", {u"ёж.acs3"}},
      {u"*x*", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Matches(skins, c.mask), c.names) << platform::ToUtf8(c.mask);
}

TEST(Files, OneSearchForSeveralMasksGivesWhatEachSearchGives) {
  fixture::PlayerFolder folder;
  for (const char* name : {"b.acs3", "a.acs2", "c.ACS2", "a.acs3", "readme.txt"})
    folder.Write(std::string("Skins\\") + name, "");
  folder.MakeFolder("Skins\\dir.acs2");
  const auto skins = platform::ExecutableFolder() + u"Skins\\";
  const std::vector<std::u16string> masks{u"*.acs2", u"*.acs3", u"a.*"};
  const auto found = platform::FindMatches(skins, masks);
  ASSERT_EQ(found.size(), masks.size());
  for (size_t i = 0; i < masks.size(); ++i) EXPECT_EQ(found[i], InSearchOrder(skins, masks[i]));
  EXPECT_EQ(found[2].size(), 2u);  // a.acs2 and a.acs3 are in their own lists too
  EXPECT_EQ(platform::FindMatches(platform::ExecutableFolder() + u"NoSuch\\", masks),
            std::vector<std::vector<std::u16string>>(3));
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
