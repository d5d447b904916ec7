// The cases under Google Benchmark, then the ratios from the same run.
#include <benchmark/benchmark.h>

#include "bench/cases.h"

namespace {

// Passes every run on to the console and keeps its time per iteration.
class Collector : public benchmark::ConsoleReporter {
 public:
  // A reporter made here ignores --benchmark_color: plain text, as the figures go into logs.
  Collector() : ConsoleReporter(OO_None) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        timings[run.run_name.function_name] =
            run.real_accumulated_time / static_cast<double>(run.iterations);
    ConsoleReporter::ReportRuns(runs);
  }
  bench::Timings timings;
};

void Register(const bench::Case& c) {
  auto runCase = [&c](benchmark::State& state) {
    if (c.setUp) c.setUp();
    for (auto _ : state) {
      c.run();
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
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  return bench::PrintRatios(collector.timings) ? 0 : 1;
}
