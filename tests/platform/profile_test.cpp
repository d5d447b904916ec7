// The same cases run against the POSIX stand-in natively and against the real
// private-profile functions under Wine, which keeps the stand-in honest.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/profile_section.h"
#include "platform/text.h"
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

// Reading sections at once answers every key as a read of that key alone would.
TEST_F(Profile, SectionReadsAgreeWithKeyReads) {
  const std::string longValue(2046, 'v');
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"plain", "[S]\r\nA=1\r\nB=two\r\n[T]\r\nA=3\r\n"},
      {"a duplicate where the next lookup looks first", "[S]\r\nA=1\r\nB=2\r\nA=3\r\nC=4\r\n"},
      {"names in any case, first of duplicate names and sections",
       "[s]\r\nb=first\r\nB=second\r\n[T]\r\nC=t\r\n[S]\r\nA=again\r\n[t]\r\nC=again\r\n"},
      {"blanks and quotes",
       "[ S ]\r\n  A  =  \" x \"  \r\n\tB\t=\t'y'\t\r\nC=\"\r\nD='unbalanced\"\r\nE=\"\"\r\n"},
      {"comments, bare names and empty names",
       "[S]\r\n;A=comment\r\nA\r\nA=after a bare name\r\n=nameless\r\nB=\r\n[T]\r\n;\r\nB\r\n"},
      {"values about a key read's buffer", "[S]\r\nA=" + longValue + "\r\nB=\"" + longValue +
                                               "\"\r\nC=" + longValue + "x\r\nD=\"" + longValue +
                                               "x\"\r\nE=" + std::string(5000, 'w') + "\r\n"},
      {"a name outside ASCII", "[S]\r\n\xC5\xBF=long s\r\nA=\xC3\xA9\r\n[T]\r\nA=plain\r\n"},
      {"integers", "[S]\r\nA=0x1F\r\nB=$FFFFFFFF\r\nC= -7 \r\nD=word\r\nE=99999999999\r\n"},
      {"no such section", "[U]\r\nA=1\r\n"},
      {"no line break at the end", "[T]\r\nA=1\r\n[S]\r\nA=2"},
  };
  // In this order: a lookup that follows another may look where that one ended.
  const std::u16string keys[] = {u"A", u"a", u"B", u"A", u"C", u"D", u"E", u"F", u"", u"\u017F"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder.Write(kIni, c.text);
    const auto path = folder.Path(kIni);
    const platform::ProfileSections sections(path, {u"S", u"T"});
    for (const char16_t* section : {u"S", u"T", u"U"}) {
      for (const std::u16string& key : keys) {
        SCOPED_TRACE(platform::ToUtf8(section + (u"/" + key)));
        EXPECT_EQ(sections.Text(section, key, u"<none>"), Read(section, key.c_str()));
        EXPECT_EQ(sections.Int(section, key, 42), platform::ReadProfileInt(path, section, key, 42));
      }
    }
  }
}

TEST_F(Profile, SectionReadsOfAUnicodeFile) {
  const auto path = folder.Path(kIni);
  const std::u16string name = u"\u041E\u0431\u043B \u4E2D.acs2";
  ASSERT_TRUE(platform::CreateUnicodeTextFile(path, u"[S]\r\nName=" + name + u"\r\n"));
  EXPECT_EQ(platform::ProfileSections(path, {u"s"}).Text(u"s", u"NAME", u""), name);
}

TEST_F(Profile, SectionReadsOfAMissingFileGiveFallbacks) {
  EXPECT_EQ(platform::ProfileSections(folder.Path(kIni), {u"S"}).Int(u"S", u"A", 42), 42);
}

}  // namespace

namespace {

TEST(ProfileOnAFolder, ReadsFallbackAndRefusesWrites) {
  fixture::PlayerFolder folder;
  folder.MakeFolder("Plugins\\dir.ini");
  const auto path = folder.Path("Plugins\\dir.ini");
  EXPECT_EQ(platform::ReadProfileText(path, u"S", u"K", u"d"), u"d");
  EXPECT_EQ(platform::ProfileSections(path, {u"S"}).Text(u"S", u"K", u"d"), u"d");
  EXPECT_FALSE(platform::WriteProfileText(path, u"S", u"K", u"v"));
}

}  // namespace
