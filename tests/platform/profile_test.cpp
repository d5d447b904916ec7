// The same cases run against the POSIX stand-in natively and against the real
// private-profile functions under Wine, which keeps the stand-in honest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/profile_section.h"
#include "platform/profile_text.h"
#include "platform/text.h"
#include "tests/support/file_states.h"
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

// The entries of a list, found by number, are what the key reads of their
// names give: duplicates, letter case, bare names, leading zeros, numbers
// beyond the section's lines, values only a key read can tell, blanks.
TEST_F(Profile, EntriesByNumberAgreeWithKeyReads) {
  const std::string longValue(2050, 'v');
  const std::string texts[] = {
      "[S]\r\nN1=a\r\nn2=b\r\nN2=dup\r\nN3\r\nN04=zero\r\nN9=beyond\r\nN5= \"q\" \r\n",
      "[S]\r\nN1=1\r\nN2=0x10\r\nN3=word\r\nN2147483647=max\r\nN1x=no\r\n",
      "[S]\r\nN1=" + longValue + "\r\nN2=short\r\n\xC5\xBF=1\r\n",
      "[T]\r\nN1=elsewhere\r\n",
  };
  const struct {
    const char16_t* section;
    const char16_t* stem;
  } lists[] = {{u"S", u"N"}, {u"S", u"n"}, {u"S", u" N"}, {u" S", u"N"}, {u"U", u"N"}, {u"S", u""}};
  const auto path = folder.Path(kIni);
  for (const std::string& text : texts) {
    folder.Write(kIni, text);
    platform::ProfileSections sections(path, {u"S", u"T"});
    const platform::ProfileKeys keys(path);
    for (const auto& list : lists) {
      SCOPED_TRACE(text + " / " + platform::ToUtf8(list.section) + " / " +
                   platform::ToUtf8(list.stem));
      const std::vector<std::u16string> expected =
          keys.EntryTexts(list.section, list.stem, 12, u"<none>");
      EXPECT_EQ(sections.EntryTexts(list.section, list.stem, 12, u"<none>"), expected);
      const std::vector<std::u16string_view> views =
          sections.EntryViews(list.section, list.stem, 12, u"<none>");
      EXPECT_EQ(std::vector<std::u16string>(views.begin(), views.end()), expected);
      EXPECT_EQ(sections.EntryInts(list.section, list.stem, 12, 42),
                keys.EntryInts(list.section, list.stem, 12, 42));
      EXPECT_EQ(sections.HighestEntry(list.section, list.stem),
                keys.HighestEntry(list.section, list.stem));
    }
  }
}

// UTF-16 big-endian text with its byte-order mark, from ASCII.
std::string Utf16BigEndian(const std::string& ascii) {
  std::string out = "\xFE\xFF";
  for (const char c : ascii) out += {'\0', c};
  return out;
}

// Malformed files, each answered as the system answers it: key reads, the
// entries of one section read, and the file after a write of S/Count.
TEST_F(Profile, MalformedFilesReadAndWriteAsTheSystemHasThem) {
  struct KeyRead {
    const char16_t* section;
    const char16_t* key;
    std::u16string value;
  };
  struct Case {
    const char* name;
    std::string text;
    std::vector<KeyRead> reads;
    std::u16string section;  // read whole
    std::vector<std::u16string> entries;
    std::string afterWrite;  // of "  7" to S/Count
  };
  const std::u16string none = u"<none>";
  const Case cases[] = {
      {"a key without '=' first",
       "[S]\r\nCount\r\nCount=3\r\n",
       {{u"S", u"Count", none}},
       u"S",
       {u"Count", u"Count=3"},
       "[S]\r\nCount=7\r\nCount=3\r\n"},
      {"blanks inside the brackets",
       "[ Colors ]\r\nA=1\r\n",
       {{u"Colors", u"A", u"1"}, {u" Colors ", u" A ", u"1"}, {u"S", u"A", none}},
       u"Colors",
       {u"A=1"},
       "[Colors]\r\nA=1\r\n[S]\r\nCount=7\r\n"},
      {"lone CR line ends",
       "[S]\r\nA=1\rB=2\r\nC=3\rCount=4",
       {{u"S", u"A", u"1"}, {u"S", u"B", u"2"}, {u"S", u"C", u"3"}},
       u"S",
       {u"A=1", u"B=2", u"C=3", u"Count=4"},
       "[S]\r\nA=1\r\nB=2\r\nC=3\r\nCount=7\r\n"},
      {"a '[' without ']'",
       "[S]\r\n[junk\r\nA=1\r\n[junk=x\r\n[T]\r\nB=2\r\n",
       {{u"S", u"A", u"1"}, {u"S", u"[junk", none}, {u"T", u"B", u"2"}, {u"junk", u"A", none}},
       u"S",
       {u"[junk", u"A=1", u"[junk=x"},
       "[S]\r\n[junk\r\nA=1\r\n[junk=x\r\nCount=7\r\n[T]\r\nB=2\r\n"},
      {"^Z and other control blanks",
       "[S]\r\nA=1\x1A\r\nB=\x1A"
       "2\x1A\r\nC=\x0B"
       "3\x0C\r\nD=4\xA0\r\n\x1A",
       {{u"S", u"A", u"1"}, {u"S", u"B", u"2"}, {u"S", u"C", u"3"}, {u"S", u"D", u"4\u00A0"}},
       u"S",
       {u"A=1", u"B=2", u"C=3", u"D=4\u00A0"},
       "[S]\r\nA=1\r\nB=2\r\nC=3\r\nD=4\xA0\r\nCount=7\r\n"},
      {"the last ']' ends a header",
       "[a]b]\r\nA=1\r\n[c] ; note\r\nB=2\r\n[d]x\r\nC=3\r\n",
       {{u"a]b", u"A", u"1"}, {u"c", u"B", u"2"}, {u"d", u"C", u"3"}, {u"a", u"A", none}},
       u"c",
       {u"B=2"},
       "[a]b]\r\nA=1\r\n[c]\r\nB=2\r\n[d]\r\nC=3\r\n[S]\r\nCount=7\r\n"},
      {"keys before the first header",
       "A=0\r\n[]\r\nA=1\r\n[S]\r\nA=2\r\n",
       {{u"", u"A", u"0"}, {u"S", u"A", u"2"}},
       u"",
       {u"A=0"},
       "A=0\r\nA=1\r\n[S]\r\nA=2\r\nCount=7\r\n"},
      {"keys without a name",
       "[S]\r\n=a\r\n=b\r\nA=1\r\n=c\r\n",
       {{u"S", u"", u"a"}, {u"S", u"A", u"1"}},
       u"S",
       {u"=a", u"A=1", u"=c"},
       "[S]\r\n=a\r\nA=1\r\n=c\r\nCount=7\r\n"},
      {"comments",
       "[S]\r\n;A=1\r\n; B\r\nA=2\r\n#C=3\r\n",
       {{u"S", u"A", u"2"}, {u"S", u"#C", u"3"}},
       u"S",
       {u"A=2", u"#C=3"},
       "[S]\r\n;A=1\r\n; B\r\nA=2\r\n#C=3\r\nCount=7\r\n"},
      {"quotes",
       "[S]\r\nA=\"x\r\nB=\"\"\r\nC='x\"\r\nD=\"a\"b\"\r\n",
       {{u"S", u"A", u"\"x"}, {u"S", u"B", u""}, {u"S", u"C", u"'x\""}, {u"S", u"D", u"a\"b"}},
       u"S",
       {u"A=\"x", u"B=\"\"", u"C='x\"", u"D=\"a\"b\""},
       "[S]\r\nA=\"x\r\nB=\"\"\r\nC='x\"\r\nD=\"a\"b\"\r\nCount=7\r\n"},
      {"blank lines and blanks about '='",
       "\r\n[S]\r\n\r\n  A  B  =  x  \r\n\t\r\n[T]\r\n",
       {{u"S", u"A  B", u"x"}, {u"S", u"A", none}},
       u"S",
       {u"A  B=x"},
       "[S]\r\nA  B=x\r\nCount=7\r\n[T]\r\n"},
      // No byte-order mark: the ANSI code page, Windows-1252 on both sides.
      {"ANSI",
       "[S]\r\nA=\xE9\x80\x81\r\n",
       {{u"S", u"A", u"\u00E9\u20AC\u0081"}},
       u"S",
       {u"A=\u00E9\u20AC\u0081"},
       "[S]\r\nA=\xE9\x80\x81\r\nCount=7\r\n"},
      {"UTF-8 after its mark",
       "\xEF\xBB\xBF[S]\r\nA=\xC3\xA9\r\n",
       {{u"S", u"A", u"\u00E9"}},
       u"S",
       {u"A=\u00E9"},
       "\xEF\xBB\xBF[S]\r\nA=\xC3\xA9\r\nCount=7\r\n"},
      {"UTF-16 big-endian",
       Utf16BigEndian("[S]\r\nA=1\r\n"),
       {{u"S", u"A", u"1"}},
       u"S",
       {u"A=1"},
       Utf16BigEndian("[S]\r\nA=1\r\nCount=7\r\n")},
      {"letter case outside ASCII",
       "\xEF\xBB\xBF[\xD0\xA1]\r\n\xD0\xAF=upper\r\n",
       {{u"\u0421", u"\u042F", u"upper"},
        {u"\u0441", u"\u044F", none},
        {u"\u0441", u"\u042F", none}},
       u"\u0421",
       {u"\u042F=upper"},
       "\xEF\xBB\xBF[\xD0\xA1]\r\n\xD0\xAF=upper\r\n[S]\r\nCount=7\r\n"},
  };
  const auto path = folder.Path(kIni);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder.Write(kIni, c.text);
    std::vector<std::u16string> names;
    for (const KeyRead& r : c.reads) names.push_back(r.section);
    const platform::ProfileSections sections(path, names);
    for (const KeyRead& r : c.reads) {
      SCOPED_TRACE(platform::ToUtf8(std::u16string(r.section) + u"/" + r.key));
      EXPECT_EQ(Read(r.section, r.key), r.value);
      EXPECT_EQ(sections.Text(r.section, r.key, u"<none>"), r.value);
    }
    // Blanks about '=' may stay in a section read's entries.
    std::vector<std::u16string> entries;
    platform::ReadProfileSections(path, {c.section}, [&](size_t, std::u16string_view entry) {
      const size_t eq = entry.find(u'=');
      std::u16string tidy(platform::TrimProfileText(entry.substr(0, eq)));
      if (eq != std::u16string_view::npos)
        tidy += u"=" + std::u16string(platform::TrimProfileText(entry.substr(eq + 1)));
      entries.push_back(tidy);
    });
    EXPECT_EQ(entries, c.entries);
    ASSERT_TRUE(platform::WriteProfileText(path, u"S", u"Count", u"  7"));
    EXPECT_EQ(folder.Read(kIni), c.afterWrite);
  }
}

TEST_F(Profile, WritesKeepTheFileOrItsEncoding) {
  const auto path = folder.Path(kIni);
  // The value a key has already: the file is not written at all.
  const std::string odd = "[S]\r\n\r\n  A = 1 \r\n\r\n[T]\r\n";
  folder.Write(kIni, odd);
  ASSERT_TRUE(platform::WriteProfileText(path, u"S", u"A", u"1"));
  EXPECT_EQ(folder.Read(kIni), odd);
  // ANSI stays ANSI; what the code page lacks becomes '?'.
  ASSERT_TRUE(platform::WriteProfileText(path, u"S", u"B", u"\u0416\u00E9\u20AC"));
  EXPECT_EQ(folder.Read(kIni), "[S]\r\nA=1\r\nB=?\xE9\x80\r\n[T]\r\n");
  // A new file is ANSI.
  folder.Remove(kIni);
  ASSERT_TRUE(platform::WriteProfileText(path, u"S", u"B", u"\u00E9"));
  EXPECT_EQ(folder.Read(kIni), "[S]\r\nB=\xE9\r\n");
}

TEST_F(Profile, FallbackLosesTrailingSpacesAndOnePairOfQuotes) {
  const auto path = folder.Path(kIni);
  folder.Write(kIni, "[S]\r\nA=1\r\n");
  for (const auto& [fallback, given] : {std::pair<std::u16string, std::u16string>{u"  d  ", u"  d"},
                                        {u"   ", u" "},
                                        {u"\"q\"  ", u"q"},
                                        {u"d\t", u"d\t"}}) {
    EXPECT_EQ(platform::ReadProfileText(path, u"S", u"B", fallback), given);
    EXPECT_EQ(platform::ProfileSections(path, {u"S"}).Text(u"S", u"B", fallback), given);
  }
}

TEST_F(Profile, SectionReadsOfAUnicodeFile) {
  const auto path = folder.Path(kIni);
  const std::u16string name = u"\u041E\u0431\u043B \u4E2D.acs2";
  ASSERT_TRUE(platform::CreateUnicodeTextFile(path, u"[S]\r\nName=" + name + u"\r\n"));
  EXPECT_EQ(platform::ProfileSections(path, {u"s"}).Text(u"s", u"NAME", u""), name);
}

// The section reads look for line ends, '=' and characters outside ASCII four
// characters at a time: each is found wherever it falls among the four.
TEST_F(Profile, SectionReadsFindLineEndsAndNamesAtEveryPlace) {
  const auto path = folder.Path(kIni);
  const platform::ProfileKeys keys(path);
  for (size_t at = 0; at < 9; ++at) {
    SCOPED_TRACE(at);
    const std::u16string pad(at, u'p');
    std::u16string wide;  // as long, of a tab and a character above 0x8000
    for (size_t i = 0; i < at; ++i) wide += i % 2 ? u'\t' : u'\u4E00';
    ASSERT_TRUE(platform::CreateUnicodeTextFile(
        path, u"[S]\r\nN1=" + wide + u"a\r\nK" + pad + u"=" + wide + u"b\rN2=" + pad + u"c\n"));
    const platform::ProfileSections sections(path, {u"S"});
    for (const std::u16string& key : {std::u16string(u"N1"), u"K" + pad, std::u16string(u"N2")})
      EXPECT_EQ(sections.Text(u"S", key, u"<none>"), Read(u"S", key.c_str()));
    EXPECT_EQ(sections.EntryTexts(u"S", u"N", 3, u"<none>"),
              keys.EntryTexts(u"S", u"N", 3, u"<none>"));
    // Values outside ASCII leave the section whole: the highest entry, not the lines.
    EXPECT_EQ(sections.HighestEntry(u"S", u"N"), 2);
    // A name outside ASCII is read key by key: the lines.
    for (const char16_t beyond : {u'\u00E9', u'\u4E00'}) {
      ASSERT_TRUE(platform::CreateUnicodeTextFile(
          path, u"[S]\r\nN1=a\r\nN2=b\r\nM" + pad + beyond + u"=" + pad + u"\r\n"));
      EXPECT_EQ(platform::ProfileSections(path, {u"S"}).HighestEntry(u"S", u"N"), 3);
    }
  }
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

namespace {

const char kFile[] = "Plugins\\t.ini";
const char kText[] = "[S]\r\nA=1\r\nB=2\r\n";

TEST(ProfileFiles, AFileThatCannotBeReadIsNeitherReadNorWritten) {
  fixture::PlayerFolder folder;
  folder.Write(kFile, kText);
  const auto path = folder.Path(kFile);
  {
    const fixture::UnreadableFile locked(path);
    EXPECT_EQ(platform::ReadProfileText(path, u"S", u"A", u"d"), u"d");
    EXPECT_EQ(platform::ProfileSections(path, {u"S"}).Text(u"S", u"A", u"d"), u"d");
    EXPECT_FALSE(platform::WriteProfileText(path, u"S", u"A", u"9"));
  }
  EXPECT_EQ(folder.Read(kFile), kText);
}

TEST(ProfileFiles, AReadOnlyFileIsNeitherWrittenReplacedNorDeleted) {
  fixture::PlayerFolder folder;
  folder.Write(kFile, kText);
  folder.Write("Plugins\\other.ini", "other");
  const auto path = folder.Path(kFile);
  const fixture::ReadOnlyFile readOnly(path);
  SKIP_UNLESS_READ_ONLY_FILE(readOnly);
  EXPECT_EQ(platform::ReadProfileText(path, u"S", u"A", u"d"), u"1");
  EXPECT_FALSE(platform::WriteProfileText(path, u"S", u"A", u"9"));
  EXPECT_FALSE(platform::WriteProfileText(path, u"S", u"A", u"1"));
  EXPECT_FALSE(platform::CreateUnicodeTextFile(path, u"[S]\r\n"));
  EXPECT_FALSE(platform::ReplaceFileWith(folder.Path("Plugins\\other.ini"), path));
  EXPECT_FALSE(platform::DeleteFileAt(path));
  EXPECT_EQ(folder.Read(kFile), kText);
  EXPECT_EQ(folder.Read("Plugins\\other.ini"), "other");
}

}  // namespace
