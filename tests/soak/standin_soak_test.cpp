// The real plug-in DLL in the stand-in player, one process: 200 times load,
// start, menu command, settings window shown and closed, stop and unload;
// then 10 000 menu commands in a row. The stand-in logs its committed private
// memory and its windows after each step; they must stay flat.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/e2e/e2e_run.h"

namespace soak {
namespace {

constexpr int kCycles = 200;
constexpr int kWarmUpCycles = 20;
constexpr int kMenuCommands = 10000;
constexpr int64_t kMemoryTolerance = 256 * 1024;  // whole heap segments come and go

struct StandinFigures {
  int64_t memory = 0;
  int64_t windows = 0;
  int64_t gdi = 0;  // the system's counts: 0 under Wine
  int64_t user = 0;
};

StandinFigures Read(const e2e::LogCall& stats) {
  return {stats.Int("private"), stats.Int("top") + stats.Int("child"), stats.Int("gdi"),
          stats.Int("user")};
}

void Print(const std::string& what, const StandinFigures& f) {
  std::printf("[ figures  ] %-34s memory %lld B, windows %lld, gdi %lld, user %lld\n", what.c_str(),
              static_cast<long long>(f.memory), static_cast<long long>(f.windows),
              static_cast<long long>(f.gdi), static_cast<long long>(f.user));
  std::fflush(stdout);
}

void ExpectFlat(const StandinFigures& afterWarmUp, const StandinFigures& last) {
  EXPECT_LE(last.memory - afterWarmUp.memory, kMemoryTolerance);
  EXPECT_LE(last.windows, afterWarmUp.windows);
  EXPECT_LE(last.gdi, afterWarmUp.gdi);
  EXPECT_LE(last.user, afterWarmUp.user);
}

std::string CycleScript() {
  return "load; init; menu; settings; window \"AIMP Kaleidra - Настройки\"; close; "
         "stop; unload; stats\n";
}

TEST(StandinSoak, RepeatedLivesAndManyMenuCommandsStayFlat) {
  e2e::StandinFolder folder;
  folder.AddSkin("a.acs2", "author=X\nname=A\npreview=FF0000\n");
  folder.AddSkin("b.acs3", "name=B\npreview=00FF00\npreview_size=40,30\n");
  std::string script = "stats\n";
  for (int i = 0; i < kCycles; ++i) script += CycleScript();
  script += "start; menu 100; stats; menu " + std::to_string(kMenuCommands) +
            "; stats; stop; unload; stats\n";
  const e2e::E2eRun run = RunStandin(folder, script, {}, 600000);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.Problems().empty()) << run.Problems().front();

  const auto stats = run.Lines("Stats");
  ASSERT_EQ(stats.size(), static_cast<size_t>(kCycles + 4));
  EXPECT_EQ(run.Lines("ApplySkin").size(),
            static_cast<size_t>(2 * kCycles + 1 + 100 + kMenuCommands));
  const StandinFigures first = Read(stats[0]);
  const StandinFigures warm = Read(stats[kWarmUpCycles]);
  const StandinFigures lastCycle = Read(stats[kCycles]);
  Print("before the first load", first);
  Print("after 1 cycle", Read(stats[1]));
  Print("after " + std::to_string(kWarmUpCycles) + " cycles (warm-up)", warm);
  Print("after " + std::to_string(kCycles) + " cycles", lastCycle);
  ExpectFlat(warm, lastCycle);
  for (int i = 1; i <= kCycles; ++i)
    ASSERT_EQ(Read(stats[i]).windows, first.windows) << "windows left after cycle " << i;

  const StandinFigures afterFirstCommands = Read(stats[kCycles + 1]);
  const StandinFigures afterMany = Read(stats[kCycles + 2]);
  Print("after 100 menu commands", afterFirstCommands);
  Print("after " + std::to_string(kMenuCommands) + " more", afterMany);
  ExpectFlat(afterFirstCommands, afterMany);
  EXPECT_EQ(Read(stats[kCycles + 3]).windows, first.windows);
}

}  // namespace
}  // namespace soak
