// Every corpus case through the stand-in player with the real plug-in DLL:
// start, menu command and stop without a fault, a hang or a slow start, and
// the user's lists file kept.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/text.h"
#include "plugin/selection_lists.h"
#include "tests/corpus/corpus_cases.h"
#include "tests/e2e/e2e_run.h"

namespace corpus {
namespace {

using e2e::E2eRun;
using e2e::LogCall;
using e2e::RunStandin;
using e2e::StandinFolder;

constexpr int64_t kStartBudgetMs = 1000;
constexpr uint32_t kHangMs = 30000;

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::u16string PathText(const std::filesystem::path& path) {
  const std::wstring wide = path.wstring();
  return std::u16string(wide.begin(), wide.end());
}

// A session that ran to its end without a fault, with a quick start.
void ExpectCleanRun(const E2eRun& run) {
  ASSERT_FALSE(run.timedOut) << run.Text();
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.Problems().empty()) << run.Text();
  const auto starts = run.Lines("Initialize");
  ASSERT_EQ(starts.size(), 1u) << run.Text();
  EXPECT_EQ(starts[0].result, "0");
  EXPECT_LT(starts[0].Int("ms"), kStartBudgetMs) << "slow start";
  EXPECT_EQ(run.Lines("MenuProc").size(), 1u) << run.Text();
  for (const char* call : {"ReadSkinInfo", "ApplySkin"}) {
    for (const LogCall& line : run.Lines(call)) {
      ASSERT_FALSE(line.args.empty());
      EXPECT_FALSE(IsUnsafeSkinName(platform::FromUtf8(line.args[0]))) << line.text;
    }
  }
}

class Corpus : public ::testing::TestWithParam<CorpusCase> {
 protected:
  Corpus() {
    for (const std::string& file : SkinFiles()) folder.AddSkin(file, "name=S\npreview=FF0000\n");
    // A skin outside the Skins folder that a name with a folder part would reach.
    folder.Write("x.acs2", "name=Outside\n");
    const CorpusCase& c = GetParam();
    if (c.settings) folder.Write("Plugins\\orvo_aimp_kaleidra.ini", *c.settings);
    if (c.lists) folder.Write("Plugins\\orvo_aimp_kaleidrap.ini", *c.lists);
  }
  std::filesystem::path ListsFile() const {
    return folder.Root() / "Plugins" / "orvo_aimp_kaleidrap.ini";
  }
  StandinFolder folder;
};

TEST_P(Corpus, PlayerExitingWithoutStopLeavesTheListsFileAsItWas) {
  const CorpusCase& c = GetParam();
  const E2eRun run = RunStandin(folder, "start; menu", {}, kHangMs);
  ExpectCleanRun(run);
  if (c.lists) {
    EXPECT_TRUE(ReadBytes(ListsFile()) == *c.lists) << "reading changed the lists file";
  }
}

TEST_P(Corpus, StartMenuAndStopKeepTheUsersLists) {
  const CorpusCase& c = GetParam();
  const kaleidra::SelectionLists read = kaleidra::ReadSelectionListsFile(PathText(ListsFile()));
  const E2eRun run = RunStandin(folder, "start; menu; stop; unload", {}, kHangMs);
  ExpectCleanRun(run);
  EXPECT_EQ(run.Lines("Finalize").size(), 1u);
  if (c.listsSurviveSession) {
    ExpectSameLists(ListsAfterSession(read),
                    kaleidra::ReadSelectionListsFile(PathText(ListsFile())));
  }
}

// The real profile functions, in this process: one read per section gives
// what one read per key gives.
TEST_P(Corpus, ListsLoadReadsWhatKeyByKeyReadsGive) {
  const std::u16string path = PathText(ListsFile());
  ExpectSameLists(kaleidra::ReadSelectionListsFileKeyByKey(path),
                  kaleidra::ReadSelectionListsFile(path));
}

INSTANTIATE_TEST_SUITE_P(Corpus, Corpus, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CaseName(info.param); });

}  // namespace
}  // namespace corpus
