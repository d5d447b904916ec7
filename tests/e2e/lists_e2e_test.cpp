// The user's skin list through whole sessions of the stand-in player: put
// together in the skin selection window, kept in the lists file, drawn from by
// the menu command after the next start.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "standin_player/text.h"
#include "tests/e2e/e2e_run.h"
#include "tests/e2e/read_only_folder.h"

namespace e2e {
namespace {

const char kLists[] = "Plugins\\orvo_aimp_kaleidrap.ini";
const char kSettings[] = "Plugins\\orvo_aimp_kaleidra.ini";
const char kCyrillic[] = "Рассвет.acs3";
const char kChinese[] = "海洋.acs2";  // outside every single-byte code page
const char kRefused[] = "Refused.acs3";

void AddSkins(const StandinFolder& folder) {
  folder.AddSkin("Plain.acs2", "author=P\nname=Plain\npreview=808080\n");
  folder.AddSkin("NoPreview.acs3", "author=N\nname=No preview\n");
  folder.AddSkin(kRefused, "name=Refused\npreview=0000FF\n");
  folder.AddSkin(kCyrillic, "author=Автор\nname=Рассвет\npreview=FF8000\n");
  folder.AddSkin(kChinese, "author=作者\nname=海洋\npreview=0080FF\n");
}

std::vector<std::string> Args() {
  return {"--refuse", kRefused};
}

// The rows of the skin window: the built-in skin, then the files in the order
// the folder search gives them, which only a run can tell.
std::vector<std::string> SkinRows(const StandinFolder& folder) {
  const E2eRun probe = RunStandin(folder, "start; stop; unload", Args());
  std::vector<std::string> rows;
  for (const LogCall& call : probe.InStep(0))
    if (call.name == "ReadSkinInfo") rows.push_back(call.args.at(0));
  std::filesystem::remove(folder.Root() / kSettings);
  return rows;
}

int RowOf(const std::vector<std::string>& rows, const std::string& skin) {
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i] == skin) return static_cast<int>(i);
  ADD_FAILURE() << "no row for " << skin;
  return -1;
}

// A list picked by hand: the start-up box and "Выборочные" so the list is used,
// one skin added with the button, one with a double click.
std::string ChooseSkinsScript(int first, int second) {
  return "start; settings; window \"AIMP Kaleidra - Настройки\";"
         "check \"При запуске выбирать случайную обложку\"; tab \"Обложки\";"
         "radio \"Выборочные\"; click \"Выбрать...\"; window \"Выборка обложек\";"
         "select " +
         std::to_string(first) + "; click 6; dblclick " + std::to_string(second) +
         "; click \"ОК\"; window \"AIMP Kaleidra - Настройки\"; close; stop; unload";
}

using IniText = std::map<std::string, std::map<std::string, std::string>>;

// A lists file as the private-profile functions keep it: UTF-16LE after a mark.
IniText ReadUtf16Ini(const std::filesystem::path& file) {
  const std::string bytes = ReadBytes(file);
  IniText ini;
  if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) {
    ADD_FAILURE() << file << " does not start with the UTF-16LE mark";
    return ini;
  }
  std::wstring wide;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2)
    wide += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                 static_cast<unsigned char>(bytes[i + 1]) << 8);
  std::string section;
  size_t start = 0;
  const std::string text = standin::Utf8(wide);
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      ini[section];
    } else if (const size_t eq = line.find('='); eq != std::string::npos) {
      ini[section][line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  return ini;
}

std::string Utf16File(const std::string& utf8) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : standin::WideFromUtf8(utf8)) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

TEST(E2e, ChosenSkinsAreSavedAndTheMenuDrawsOnlyThem) {
  StandinFolder folder;
  AddSkins(folder);
  const std::vector<std::string> rows = SkinRows(folder);
  ASSERT_EQ(rows.size(), 6u) << "the built-in skin and five files";
  EXPECT_EQ(rows[0], "");

  const E2eRun chosen =
      RunStandin(folder, ChooseSkinsScript(RowOf(rows, kCyrillic), RowOf(rows, kChinese)), Args());
  ASSERT_FALSE(chosen.timedOut) << chosen.Text();
  EXPECT_TRUE(chosen.Problems().empty()) << chosen.Text();
  EXPECT_TRUE(chosen.Lines("MessageBox").empty()) << chosen.Text();
  const IniText lists = ReadUtf16Ini(folder.Root() / kLists);
  const IniText expected = {
      {"Skins", {{"Count", "2"}, {"SkinName1", kCyrillic}, {"SkinName2", kChinese}}}};
  EXPECT_EQ(lists, expected) << chosen.Text();

  const int kMenus = 20;
  std::string script = "start;";
  for (int i = 0; i < kMenus; ++i) script += " menu;";
  const E2eRun drawn = RunStandin(folder, script + " stop; unload", Args());
  ASSERT_FALSE(drawn.timedOut);
  EXPECT_TRUE(drawn.Problems().empty()) << drawn.Text();
  const std::set<std::string> listed = {kCyrillic, kChinese};
  std::string inUse;  // the player starts on the built-in skin
  for (int step = 0; step <= kMenus; ++step) {
    std::vector<LogCall> applied;
    for (const LogCall& call : drawn.InStep(step))
      if (call.name == "ApplySkin") applied.push_back(call);
    ASSERT_EQ(applied.size(), 1u) << "step " << step << "\n" << drawn.Text();
    const std::string skin = applied[0].args.at(0);
    EXPECT_TRUE(listed.count(skin)) << applied[0].text;
    EXPECT_NE(skin, inUse) << "the skin in use is drawn while another is listed\n"
                           << applied[0].text;
    inUse = skin;
  }
}

// Choices whose start-up boxes stay clear still decide the menu command after
// a restart: colours switched off, skins from the user's list.
TEST(E2e, ModeChoicesComeBackAfterARestart) {
  StandinFolder folder;
  AddSkins(folder);
  const std::vector<std::string> rows = SkinRows(folder);
  const std::string chosen =
      "start; settings; window \"AIMP Kaleidra - Настройки\";"
      "tab \"Цвета\"; radio \"Отсутствует\"; tab \"Обложки\";"
      "radio \"Выборочные\"; click \"Выбрать...\";"
      "window \"Выборка обложек\"; select " +
      std::to_string(RowOf(rows, kCyrillic)) +
      "; click 6; click \"ОК\"; window \"AIMP Kaleidra - Настройки\";"
      "close; stop; unload";
  const E2eRun first = RunStandin(folder, chosen, Args());
  ASSERT_FALSE(first.timedOut) << first.Text();
  EXPECT_TRUE(first.Problems().empty()) << first.Text();

  // Two more sessions: the choices must also survive the stop of a session
  // that did not touch them.
  const int kMenus = 10;
  std::string script = "start;";
  for (int i = 0; i < kMenus; ++i) script += " menu;";
  script += " stop; unload";
  std::vector<std::string> args = Args();
  args.insert(args.end(), {"--hue", "77"});
  for (int session = 0; session < 2; ++session) {
    SCOPED_TRACE("session after the choice: " + std::to_string(session + 1));
    const std::string settings = ReadBytes(folder.Root() / kSettings);
    for (const char* key : {"AllowColors=0", "RandomSkin=0", "AllowMySkins=1"})
      EXPECT_NE(settings.find(key), std::string::npos) << key << " in\n" << settings;
    const E2eRun run = RunStandin(folder, script, args);
    ASSERT_FALSE(run.timedOut);
    EXPECT_TRUE(run.Problems().empty()) << run.Text();
    for (int step = 0; step <= kMenus; ++step) {
      std::vector<LogCall> applied;
      for (const LogCall& call : run.InStep(step))
        if (call.name == "ApplySkin") applied.push_back(call);
      ASSERT_EQ(applied.size(), 1u) << "step " << step << "\n" << run.Text();
      EXPECT_EQ(applied[0].args.at(1), "77") << "the hue stays\n" << applied[0].text;
      // Step 0 is the start, whose skin box is clear: the built-in skin stays.
      EXPECT_EQ(applied[0].args.at(0), step == 0 ? "" : kCyrillic) << applied[0].text;
    }
  }
}

TEST(E2e, ReadOnlyPluginsAtStopKeepsTheEarlierListsFile) {
  StandinFolder folder;
  AddSkins(folder);
  const std::string earlier = Utf16File(std::string("[Skins]\r\nCount=2\r\nSkinName1=") +
                                        kCyrillic + "\r\nSkinName2=" + kChinese + "\r\n");
  folder.Write(kLists, earlier);
  folder.Write(kSettings, "[Main]\r\nRandomSkin=1\r\nAllowMySkins=1\r\n");
  ReadOnlyFolder plugins(folder.Root() / "Plugins");
  SKIP_UNLESS_READ_ONLY(plugins);

  // A third skin makes the list to save differ from the file.
  const E2eRun run = RunStandin(folder,
                                "start; settings; window \"AIMP Kaleidra - Настройки\";"
                                "tab \"Обложки\"; click \"Выбрать...\";"
                                "window \"Выборка обложек\"; select 0; click 6; click \"ОК\";"
                                "window \"AIMP Kaleidra - Настройки\"; close; stop; unload",
                                Args());
  ExpectWriteFailureShown(run, folder.Root() / kLists);
  EXPECT_EQ(ReadBytes(folder.Root() / kLists), earlier);
  EXPECT_FALSE(std::filesystem::exists(folder.Root() / "Plugins" / "orvo_aimp_kaleidrap.ini.new"));
}

}  // namespace
}  // namespace e2e
