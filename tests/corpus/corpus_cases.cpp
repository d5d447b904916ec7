#include "tests/corpus/corpus_cases.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "ui/palette/palette_mapping.h"
#include "ui/palette/palette_pictures.h"

namespace corpus {

namespace {

// Reproducible bytes of every value, line breaks, brackets and '=' included.
std::string Garbage(uint32_t seed, size_t size) {
  std::string out(size, '\0');
  for (char& c : out) {
    seed = seed * 1664525u + 1013904223u;
    c = static_cast<char>(seed >> 24);
  }
  return out;
}

// Little-endian UTF-16 with its byte-order mark, from ASCII and UTF-8 text.
std::string Utf16(const std::string& utf8) {
  std::string out = "\xFF\xFE";
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    uint32_t cp = b;
    size_t n = 1;
    if (b >= 0xE0) {
      cp = ((b & 0x0Fu) << 12) | ((utf8[i + 1] & 0x3Fu) << 6) | (utf8[i + 2] & 0x3Fu);
      n = 3;
    } else if (b >= 0xC0) {
      cp = ((b & 0x1Fu) << 6) | (utf8[i + 1] & 0x3Fu);
      n = 2;
    }
    out += static_cast<char>(cp & 0xFF);
    out += static_cast<char>(cp >> 8);
    i += n;
  }
  return out;
}

const char kPlainSettings[] =
    "[Main]\r\nRandomColor=1\r\nRandomIntensity=1\r\nRandomSkin=1\r\nAllowMySkins=1\r\n"
    "AllowMyColors=1\r\nAllowMyIntensities=1\r\n[Timer]\r\nTimerInterval=45\r\n";

const char kPlainLists[] =
    "[Skins]\r\nCount=3\r\nSkinName1=a.acs2\r\nSkinName2=my skin.acs2\r\nSkinName3=\r\n"
    "[Colors]\r\nCount=2\r\nColorID1=0\r\nColorID2=150\r\n"
    "[Intensities]\r\nCount=2\r\nIntensityID1=0\r\nIntensityID2=50\r\n";

std::string Sections(size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i)
    out += "[Section" + std::to_string(i) + "]\r\nKey=Value" + std::to_string(i) + "\r\n";
  return out;
}

std::string SkinList(const std::vector<std::string>& names) {
  std::string out = "[Skins]\r\nCount=" + std::to_string(names.size()) + "\r\n";
  for (size_t k = 0; k < names.size(); ++k)
    out += "SkinName" + std::to_string(k + 1) + "=" + names[k] + "\r\n";
  return out;
}

std::vector<CorpusCase> MakeCases() {
  std::vector<CorpusCase> cases;
  cases.push_back({"Plain", kPlainSettings, kPlainLists, true});
  cases.push_back({"NoFiles", std::nullopt, std::nullopt, false});
  cases.push_back({"EmptyFiles", "", "", false});
  cases.push_back({"BinaryGarbage", Garbage(1, 64 * 1024), Garbage(2, 64 * 1024), false});
  // One line of a mebibyte, without a line break, and a value of that length.
  cases.push_back({"SingleHugeLine", std::string(1 << 20, 'x'),
                   "[Skins]\r\nCount=1\r\nSkinName1=" + std::string(1 << 20, 'a'), false});
  cases.push_back(
      {"ThousandsOfSections", Sections(5000) + kPlainSettings, Sections(5000) + kPlainLists, true});
  // The first section and the first key of a name count.
  cases.push_back(
      {"DuplicateSectionsAndKeys",
       "[Main]\r\nRandomColor=0\r\nRandomColor=1\r\n[Timer]\r\nTimerOn=0\r\n[Main]\r\n"
       "RandomColor=1\r\nRandomSkin=1\r\nAllowMySkins=1\r\n[Timer]\r\nTimerOn=1\r\n",
       "[Skins]\r\nCount=2\r\nSkinName1=a.acs2\r\nSkinName1=b.acs3\r\nSkinName2=b.acs3\r\n"
       "[Colors]\r\nCount=1\r\nColorID1=20\r\n[Skins]\r\nCount=9\r\nSkinName3=a.acs2\r\n"
       "[colors]\r\nCount=4\r\n",
       true});
  cases.push_back({"QuotesAndBlanks",
                   "[Main]\r\n  RandomSkin =  \"1\"  \r\nAllowMySkins='1'\r\n[Timer]\r\n"
                   "TimerInterval = \" 45 \"\r\nTimerOn=\"\r\n",
                   "[ Skins ]\r\n Count =  \"3\" \r\nSkinName1 =  \"a.acs2\"  \r\n"
                   "SkinName2='my skin.acs2'\r\n\tSkinName3\t=\tb.acs3\t\r\n"
                   "[Colors]\r\nCount=' 1'\r\nColorID1=\"\"\r\n",
                   true});
  cases.push_back({"HexAndSignedNumbers",
                   "[Main]\r\nRandomColor=-1\r\nRandomIntensity=0x1\r\nRandomSkin=$1\r\n"
                   "AllowMyColors=+1\r\nAllowMyIntensities=0X0\r\n[Timer]\r\nTimerOn=$0\r\n"
                   "TimerInterval=0x2D\r\n",
                   "[Skins]\r\nCount=$2\r\nSkinName1=a.acs2\r\nSkinName2=b.acs3\r\n"
                   "[Colors]\r\nCount=0x3\r\nColorID1=0x64\r\nColorID2=-5\r\nColorID3=+7\r\n"
                   "[Intensities]\r\nCount=+2\r\nIntensityID1=0xFFFFFFFF\r\nIntensityID2=$1E\r\n",
                   true});
  // A count far beyond any list a user makes; only a bounded number of entries
  // is read. One section is enough: the three share the bound.
  cases.push_back(
      {"CountsAtTheLimit",
       "[Main]\r\nRandomSkin=1\r\nAllowMySkins=1\r\nRandomColor=1\r\nAllowMyColors=1\r\n"
       "[Timer]\r\nTimerOn=1\r\nTimerInterval=2147483647\r\n",
       "[Skins]\r\nCount=2147483647\r\nSkinName1=a.acs2\r\n"
       "[Colors]\r\nCount=2\r\nColorID2=100\r\n",
       true});
  cases.push_back({"CountsNegativeAndOverflowing", "[Timer]\r\nTimerOn=1\r\nTimerInterval=-1\r\n",
                   "[Skins]\r\nCount=-1\r\nSkinName1=a.acs2\r\n"
                   "[Colors]\r\nCount=99999999999\r\nColorID1=1\r\n"
                   "[Intensities]\r\nCount=-2147483648\r\nIntensityID1=1\r\n",
                   false});
  // An entry holds 511 characters; none of these names is a file of the Skins folder.
  cases.push_back({"LongNames", kPlainSettings,
                   SkinList({std::string(506, 'n') + ".acs2", std::string(507, 'n') + ".acs2",
                             std::string(4995, 'n') + ".acs2"}),
                   false});
  cases.push_back({"FolderSeparators", kPlainSettings,
                   SkinList({"..\\x.acs2", "C:\\Windows\\win.ini", "a/b.acs2", "..", "*.acs2",
                             "a.acs2:stream"}),
                   false});
  cases.push_back(
      {"Utf16", Utf16(kPlainSettings),
       Utf16(SkinList({"обложка.acs3", "a.acs2"}) + "[Colors]\r\nCount=1\r\nColorID1=40\r\n"),
       true});
  // A last odd byte, as a cut-off UTF-16 file has.
  cases.push_back({"Utf16OddByteCount", Utf16(kPlainSettings) + "\x01",
                   Utf16(SkinList({"обложка.acs3", "b.acs3"})) + "\x0D", true});
  // A key without '=' is the first of its name and reads as missing: no skins,
  // the first colour 0. A '[' without ']' is a line of the section it is in.
  cases.push_back({"LinesWithoutEquals", kPlainSettings,
                   "[Skins]\r\nCount\r\nCount=2\r\nSkinName1=a.acs2\r\n"
                   "[Colors]\r\nCount=2\r\nColorID1\r\nColorID1=40\r\nColorID2=60\r\n[junk\r\n"
                   "[Intensities]\r\nCount=1\r\n[IntensityID1=70\r\nIntensityID1=30\r\n",
                   true});
  // Blanks inside the brackets, text after the last ']', lone CR line ends,
  // ^Z and control blanks about values.
  cases.push_back({"HeadersBlanksAndLineEnds", kPlainSettings,
                   "[ Skins ]\r\nCount=2\rSkinName1=a.acs2\rSkinName2=b.acs3\x1A\r\n"
                   "[Colors] ; mine\r\nCount=1\r\nColorID1=\x0B"
                   "20\x0C\r\n[Intensities\r\nCount=5\r\n\x1A",
                   true});
  // No byte-order mark: the ANSI code page, in which no name of these is a
  // skin file; a no-break space is no blank.
  cases.push_back({"AnsiNames", kPlainSettings,
                   "[Skins]\r\nCount=3\r\nSkinName1=caf\xE9.acs2\r\nSkinName2=a.acs2\xA0\r\n"
                   "SkinName3=\xD0\xBE\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xB6\xD0\xBA\xD0\xB0.acs3\r\n",
                   false});
  return cases;
}

}  // namespace

const std::vector<std::string>& SkinFiles() {
  static const std::vector<std::string> files = {"a.acs2", "b.acs3", "my skin.acs2",
                                                 "обложка.acs3"};
  return files;
}

const std::vector<CorpusCase>& Cases() {
  static const std::vector<CorpusCase> cases = MakeCases();
  return cases;
}

std::string CaseName(const CorpusCase& c) {
  return c.name;
}

bool IsUnsafeSkinName(const std::u16string& name) {
  return name.size() > 511 || name.find_first_of(u"\\/:*?") != std::u16string::npos ||
         name == u"..";
}

kaleidra::SelectionLists ListsAfterSession(const kaleidra::SelectionLists& read) {
  auto roundTrip = [](const toolkit::Picture& strip, int32_t max, std::vector<int32_t> indices) {
    for (int32_t& i : indices)
      i = palette::GetIndexFromColor(strip, max, palette::GetColorFromIndex(strip, max, i));
    return indices;
  };
  kaleidra::SelectionLists out = read;
  out.colorIndices = roundTrip(palette::ColorPalettePicture(), 200, read.colorIndices);
  out.intensityIndices = roundTrip(palette::BrightnessPalettePicture(), 100, read.intensityIndices);
  return out;
}

void ExpectSameLists(const kaleidra::SelectionLists& expected,
                     const kaleidra::SelectionLists& actual) {
  EXPECT_EQ(expected.skinNames, actual.skinNames) << "skin names";
  EXPECT_EQ(expected.colorIndices, actual.colorIndices) << "colour indices";
  EXPECT_EQ(expected.intensityIndices, actual.intensityIndices) << "brightness indices";
}

}  // namespace corpus
