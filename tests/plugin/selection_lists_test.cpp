#include "plugin/selection_lists.h"

#include <gtest/gtest.h>

#include "core/randomiser.h"
#include "plugin/write_error.h"
#include "tests/support/file_states.h"
#include "tests/support/fixture.h"

namespace {

using kaleidra::SelectionLists;

const char* kLists = "Plugins\\orvo_aimp_kaleidrap.ini";

// The file's non-blank lines, decoded from UTF-16 or UTF-8.
std::vector<std::string> Lines(const std::string& bytes) {
  std::u16string text;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                    (static_cast<unsigned char>(bytes[i + 1]) << 8));
  } else {
    text = platform::FromUtf8(bytes);
  }
  std::vector<std::string> lines;
  std::u16string line;
  for (char16_t c : text + u"\n") {
    if (c == u'\r' || c == u'\n') {
      if (!line.empty()) lines.push_back(platform::ToUtf8(line));
      line.clear();
    } else {
      line += c;
    }
  }
  return lines;
}

class ListsFile : public ::testing::Test {
 protected:
  std::u16string Path() const { return folder.Path(kLists); }
  SelectionLists Read(const std::string& text) {
    folder.Write(kLists, text);
    return kaleidra::ReadSelectionListsFile(Path());
  }
  fixture::PlayerFolder folder;
};

TEST_F(ListsFile, AllListsEmptyRemovesTheFile) {
  folder.Write(kLists, "[Colors]\r\nCount=1\r\nColorID1=5\r\n");
  kaleidra::WriteSelectionListsFile(Path(), {});
  EXPECT_FALSE(folder.Exists(kLists));
  kaleidra::WriteSelectionListsFile(Path(), {});
  EXPECT_FALSE(folder.Exists(kLists));
}

TEST_F(ListsFile, WritesOnlyTheListsThatHoldEntries) {
  folder.Write(kLists, "[Skins]\r\nCount=1\r\nSkinName1=old.acs2\r\n");
  kaleidra::WriteSelectionListsFile(Path(), {{}, {4, 0, 200}, {}});
  EXPECT_EQ(Lines(folder.Read(kLists)),
            (std::vector<std::string>{"[Colors]", "Count=3", "ColorID1=4", "ColorID2=0",
                                      "ColorID3=200"}));
  kaleidra::WriteSelectionListsFile(Path(), {{u"a.acs2", u"", u"a.acs2"}, {7}, {-1}});
  EXPECT_EQ(Lines(folder.Read(kLists)),
            (std::vector<std::string>{"[Skins]", "Count=3", "SkinName1=a.acs2", "SkinName2=",
                                      "SkinName3=a.acs2", "[Colors]", "Count=1", "ColorID1=7",
                                      "[Intensities]", "Count=1", "IntensityID1=-1"}));
}

TEST_F(ListsFile, ReadCases) {
  struct Case {
    const char* what;
    std::string text;
    SelectionLists expected;
  };
  const Case cases[] = {
      {"no file", "", {}},
      {"count 3 with one key", "[Colors]\r\nCount=3\r\nColorID1=42\r\n", {{}, {42, 0, 0}, {}}},
      {"indices brought into range",
       "[Colors]\r\nCount=2\r\nColorID1=250\r\nColorID2=-5\r\n"
       "[Intensities]\r\nCount=2\r\nIntensityID1=150\r\nIntensityID2=-1\r\n",
       {{}, {200, 0}, {100, 0}}},
      {"zero, negative and non-numeric counts",
       "[Skins]\r\nCount=0\r\nSkinName1=a\r\n[Colors]\r\nCount=-2\r\nColorID1=1\r\n"
       "[Intensities]\r\nCount=many\r\nIntensityID1=1\r\n",
       {}},
      {"empty and missing skin names",
       "[Skins]\r\nCount=3\r\nSkinName1=\r\nSkinName3=b.acs3\r\n",
       {{u"", u"", u"b.acs3"}, {}, {}}},
      {"hexadecimal values",
       "[Colors]\r\nCount=$2\r\nColorID1=0x10\r\nColorID2=$C8\r\n",
       {{}, {16, 200}, {}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.text.empty()) folder.Remove(kLists);
    const auto lists = c.text.empty() ? kaleidra::ReadSelectionListsFile(Path()) : Read(c.text);
    EXPECT_EQ(lists.skinNames, c.expected.skinNames);
    EXPECT_EQ(lists.colorIndices, c.expected.colorIndices);
    EXPECT_EQ(lists.intensityIndices, c.expected.intensityIndices);
  }
}

// "[Colors]" with the count and the entries ColorID<first>..ColorID<last>
// (names as spelt by stem), each of value 7.
std::string ColorsSection(const std::string& count, int first, int last,
                          const std::string& stem = "ColorID") {
  std::string text = "[Colors]\r\nCount=" + count + "\r\n";
  for (int k = first; k <= last; ++k) text += stem + std::to_string(k) + "=7\r\n";
  return text;
}

TEST_F(ListsFile, CountsAboveAThousandGoAsFarAsTheEntries) {
  const struct {
    const char* what;
    std::string text;
    size_t expected;
  } cases[] = {
      {"a list the plug-in saved", ColorsSection("5000", 1, 5000), 5000},
      {"names in another letter case", ColorsSection("1500", 1, 1500, "colorid"), 1500},
      {"a count beyond the entries", ColorsSection("3000", 1, 1500), 1500},
      {"a count below the entries", ColorsSection("1200", 1, 1500), 1200},
      {"absurd over two entries", ColorsSection("2147483647", 1, 2), 1000},
      {"absurd over entry 2147483647",
       ColorsSection("2147483647", 1, 2) + "ColorID2147483647=7\r\n", 1000},
      {"entry numbers with leading zeros", ColorsSection("1500", 1, 1500, "ColorID0"), 1000},
      {"entries of another stem", ColorsSection("1500", 1, 1500, "SkinName"), 1000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto lists = Read(c.text);
    ASSERT_EQ(lists.colorIndices.size(), c.expected);
    EXPECT_EQ(kaleidra::ReadSelectionListsFileKeyByKey(Path()).colorIndices, lists.colorIndices);
  }
}

TEST_F(ListsFile, AbsurdCountReadsMissingEntriesAsZero) {
  const auto lists = Read("[Colors]\r\nCount=2147483647\r\nColorID1=3\r\nColorID2=4\r\n");
  ASSERT_EQ(lists.colorIndices.size(), static_cast<size_t>(kaleidra::kListCountChecked));
  EXPECT_EQ(lists.colorIndices[0], 3);
  EXPECT_EQ(lists.colorIndices[1], 4);
  EXPECT_EQ(lists.colorIndices[2], 0);
}

TEST_F(ListsFile, NamesOutsideTheCodePageSurviveASaveAndALoad) {
  const SelectionLists lists{{u"Синяя.acs2", u"\u4E2D\u6587\u0394.acs3"}, {}, {}};
  kaleidra::WriteSelectionListsFile(Path(), lists);
  EXPECT_EQ(kaleidra::ReadSelectionListsFile(Path()).skinNames, lists.skinNames);
}

TEST_F(ListsFile, FailedSaveKeepsTheOldFile) {
  const std::string old = "[Skins]\r\nCount=1\r\nSkinName1=keep.acs2\r\n";
  folder.Write(kLists, old);
  folder.MakeFolder(std::string(kLists) + ".new");  // the new file cannot be made
  EXPECT_THROW(kaleidra::WriteSelectionListsFile(Path(), {{u"new.acs2"}, {}, {}}),
               kaleidra::WriteError);
  EXPECT_EQ(folder.Read(kLists), old);
}

// Neither a new file nor none may take its place.
TEST_F(ListsFile, ReadOnlyFileIsKeptAndTheSaveFails) {
  const std::string old = "[Skins]\r\nCount=1\r\nSkinName1=keep.acs2\r\n";
  folder.Write(kLists, old);
  const fixture::ReadOnlyFile readOnly(Path());
  SKIP_UNLESS_READ_ONLY_FILE(readOnly);
  for (const SelectionLists& lists : {SelectionLists{{u"new.acs2"}, {}, {}}, SelectionLists{}}) {
    EXPECT_THROW(kaleidra::WriteSelectionListsFile(Path(), lists), kaleidra::WriteError);
    EXPECT_EQ(folder.Read(kLists), old);
    EXPECT_FALSE(folder.Exists(std::string(kLists) + ".new"));
  }
}

}  // namespace
