// The cases under Google Benchmark, then the ratios from the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench/cases.h"

namespace {

// The fastest single run of each case, for the ratios; the console shows the means.
bench::Timings gFastest;

void Register(const bench::Case& c) {
  auto runCase = [&c](benchmark::State& state) {
    if (c.setUp) c.setUp();
    double& fastest = gFastest.try_emplace(c.name, 1e30).first->second;
    for (auto _ : state) {
      const auto start = std::chrono::steady_clock::now();
      c.run();
      fastest = std::min(
          fastest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      if (c.after) {
        state.PauseTiming();
        c.after();
        state.ResumeTiming();
      }
    }
    if (c.tearDown) c.tearDown();
  };
  benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(c.name.c_str(), runCase);
  b->UseRealTime()->Unit(benchmark::kMicrosecond);
  if (c.runs > 0) b->Iterations(c.runs);
}

}  // namespace

int main(int argc, char** argv) {
  bench::Workbench workbench;
  for (const bench::Case& c : workbench.Cases()) Register(c);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // A reporter made here ignores --benchmark_color: plain text, as the figures go into logs.
  benchmark::ConsoleReporter console(benchmark::ConsoleReporter::OO_None);
  benchmark::RunSpecifiedBenchmarks(&console);
  benchmark::Shutdown();
  return bench::PrintRatios(gFastest) ? 0 : 1;
}
