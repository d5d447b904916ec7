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

// Seconds per run.
double Measure(const bench::Case& c, int64_t* runs) {
  if (c.setUp) c.setUp();
  double measured = 0;
  *runs = 0;
  const auto more = [&] {
    if (c.runs > 0) return *runs < c.runs;
    return (measured < kTimePerCase || *runs < kMinRuns) && *runs < kMaxRuns;
  };
  while (more()) {
    const double start = Now();
    c.run();
    measured += Now() - start;
    ++*runs;
    if (c.after) c.after();
  }
  if (c.tearDown) c.tearDown();
  return measured / static_cast<double>(*runs);
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
    const double seconds = Measure(c, &runs);
    timings[c.name] = seconds;
    std::printf("%-28s %11.1f us %12lld\n", c.name.c_str(), seconds * 1e6,
                static_cast<long long>(runs));
    std::fflush(stdout);
  }
  return bench::PrintRatios(timings) ? 0 : 1;
}
