// The same cases run against the POSIX stand-in natively and against the real
// private-profile functions under Wine, which keeps the stand-in honest.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/support/fixture.h"

namespace {

const std::string kIni = "Plugins\\t.ini";

class Profile : public ::testing::Test {
 protected:
  std::u16string Read(const char16_t* section, const char16_t* key) {
    return platform::ReadProfileText(folder.Path(kIni), section, key, u"<none>");
  }
  fixture::PlayerFolder folder;
};

TEST_F(Profile, MissingFileReadsFallback) {
  EXPECT_EQ(Read(u"Main", u"Key"), u"<none>");
  EXPECT_EQ(platform::ReadProfileInt(folder.Path(kIni), u"Main", u"Key", 42), 42);
}

TEST_F(Profile, NamesAreCaseInsensitiveAndValuesTrimmed) {
  folder.Write(kIni,
               "[Main]\r\n"
               "  Alpha =  one two  \r\n"
               "beta=\"quoted\"\r\n"
               "gamma='single'\r\n"
               "empty=\r\n"
               "[other]\r\nalpha=wrong\r\n");
  EXPECT_EQ(Read(u"MAIN", u"alpha"), u"one two");
  EXPECT_EQ(Read(u"main", u"BETA"), u"quoted");
  EXPECT_EQ(Read(u"Main", u"gamma"), u"single");
  EXPECT_EQ(Read(u"Main", u"empty"), u"");
  EXPECT_EQ(Read(u"Main", u"missing"), u"<none>");
  EXPECT_EQ(Read(u"Missing", u"alpha"), u"<none>");
}

TEST_F(Profile, WritesCreateFileSectionAndKeyAndReplaceInPlace) {
  const auto path = folder.Path(kIni);
  ASSERT_TRUE(platform::WriteProfileText(path, u"Main", u"A", u"1"));
  ASSERT_TRUE(platform::WriteProfileText(path, u"Main", u"B", u"2"));
  ASSERT_TRUE(platform::WriteProfileText(path, u"Timer", u"C", u"3"));
  ASSERT_TRUE(platform::WriteProfileText(path, u"main", u"a", u"10"));
  EXPECT_EQ(Read(u"Main", u"A"), u"10");
  EXPECT_EQ(Read(u"Main", u"B"), u"2");
  EXPECT_EQ(Read(u"Timer", u"C"), u"3");
  const std::string text = folder.Read(kIni);
  // Sections in the order first written, the replaced key where it was.
  EXPECT_LT(text.find("[Main]"), text.find("[Timer]"));
  EXPECT_LT(text.find("=10"), text.find("B=2"));
  EXPECT_EQ(text.find("A=1\r"), std::string::npos);
}

TEST_F(Profile, UnknownKeysAndSectionsSurviveWrites) {
  folder.Write(kIni, "[Main]\r\nMine=keep\r\nA=0\r\n[Extra]\r\nX=y\r\n");
  ASSERT_TRUE(platform::WriteProfileText(folder.Path(kIni), u"Main", u"A", u"1"));
  ASSERT_TRUE(platform::WriteProfileText(folder.Path(kIni), u"Main", u"New", u"2"));
  EXPECT_EQ(Read(u"Main", u"Mine"), u"keep");
  EXPECT_EQ(Read(u"Extra", u"X"), u"y");
  EXPECT_EQ(Read(u"Main", u"New"), u"2");
}

TEST_F(Profile, UnicodeFileKeepsCharactersOutsideTheCodePage) {
  const auto path = folder.Path(kIni);
  ASSERT_TRUE(platform::CreateUnicodeTextFile(path));
  const std::u16string name = u"Обложка \u4E2D\u6587 \u0394.acs2";
  ASSERT_TRUE(platform::WriteProfileText(path, u"Skins", u"SkinName1", name));
  EXPECT_EQ(Read(u"Skins", u"SkinName1"), name);
  const std::string bytes = folder.Read(kIni);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);
}

TEST_F(Profile, LongValuesAreCutAt2047Characters) {
  folder.Write(kIni, "[S]\r\nK=" + std::string(5000, 'x') + "\r\n");
  EXPECT_EQ(Read(u"S", u"K"), std::u16string(2047, u'x'));
}

}  // namespace

namespace {

TEST(ProfileOnAFolder, ReadsFallbackAndRefusesWrites) {
  fixture::PlayerFolder folder;
  folder.MakeFolder("Plugins\\dir.ini");
  const auto path = folder.Path("Plugins\\dir.ini");
  EXPECT_EQ(platform::ReadProfileText(path, u"S", u"K", u"d"), u"d");
  EXPECT_FALSE(platform::WriteProfileText(path, u"S", u"K", u"v"));
}

}  // namespace
