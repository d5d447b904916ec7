// The same cases for the Win32 build. Google Benchmark is not packaged for
// MinGW, so this is a minimal harness of its own: each case runs until it has
// used a fixed time (at least once), and prints the mean time per run under
// the same names, then the same ratios.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/cases.h"

namespace {

constexpr double kTimePerCase = 0.5;  // seconds of measured work
constexpr int64_t kMinRuns = 3;
constexpr int64_t kMaxRuns = 1000000;

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

// Seconds per run of the case and of its floor.
bench::TurnTimes Measure(const bench::Case& c, int64_t* runs) {
  if (c.setUp) c.setUp();
  bench::TurnTimes measured;
  *runs = 0;
  const auto more = [&] {
    if (c.runs > 0) return *runs < c.runs;
    return (measured.run < kTimePerCase || *runs < kMinRuns) && *runs < kMaxRuns;
  };
  while (more()) {
    const bench::TurnTimes turn = bench::RunTurn(c, Now);
    measured.run += turn.run;
    measured.floor += turn.floor;
    ++*runs;
  }
  if (c.tearDown) c.tearDown();
  measured.run /= static_cast<double>(*runs);
  measured.floor /= static_cast<double>(*runs);
  return measured;
}

void Print(const std::string& name, double seconds, int64_t runs) {
  std::printf("%-28s %11.1f us %12lld\n", name.c_str(), seconds * 1e6,
              static_cast<long long>(runs));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string filter = argc > 1 ? argv[1] : "";
  bench::Workbench workbench;
  bench::Timings timings;
  std::printf("%-28s %14s %12s\n", "Benchmark", "Time", "Iterations");
  for (const bench::Case& c : workbench.Cases()) {
    if (c.name.find(filter) == std::string::npos) continue;
    int64_t runs = 0;
    const bench::TurnTimes times = Measure(c, &runs);
    timings[c.name] = times.run;
    Print(c.name, times.run, runs);
    if (c.floor) {
      timings[c.floorName] = times.floor;
      Print(c.floorName + " (in turn)", times.floor, runs);
    }
    std::fflush(stdout);
  }
  return bench::PrintRatios(timings) ? 0 : 1;
}
