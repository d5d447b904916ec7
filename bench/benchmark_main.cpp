// The cases under Google Benchmark, then the ratios from the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <string>

#include "bench/cases.h"

namespace {

// The counter that carries a case's floor time per run, in seconds.
constexpr char kFloorCounter[] = "floor_s";

// Passes every run on to the console and keeps its time per iteration, and
// that of its floor under the floor's name.
class Collector : public benchmark::ConsoleReporter {
 public:
  // A reporter made here ignores --benchmark_color: plain text, as the figures go into logs.
  explicit Collector(const std::vector<bench::Case>& cases) : ConsoleReporter(OO_None) {
    for (const bench::Case& c : cases)
      if (c.floor) floorNames_[c.name] = c.floorName;
  }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations <= 0) continue;
      const std::string& name = run.run_name.function_name;
      timings[name] = run.real_accumulated_time / static_cast<double>(run.iterations);
      const auto floor = run.counters.find(kFloorCounter);
      if (floor != run.counters.end() && floorNames_.count(name))
        timings[floorNames_[name]] = floor->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  bench::Timings timings;

 private:
  std::map<std::string, std::string> floorNames_;
};

double Seconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

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
  // Timed by hand, a run and a run of the floor in turn.
  auto runInTurns = [&c](benchmark::State& state) {
    if (c.setUp) c.setUp();
    double floor = 0;
    for (auto _ : state) {
      const bench::TurnTimes times = bench::RunTurn(c, Seconds);
      state.SetIterationTime(times.run);
      floor += times.floor;
    }
    state.counters[kFloorCounter] = benchmark::Counter(floor, benchmark::Counter::kAvgIterations);
    if (c.tearDown) c.tearDown();
  };
  benchmark::internal::Benchmark* b =
      c.floor ? benchmark::RegisterBenchmark(c.name.c_str(), runInTurns)->UseManualTime()
              : benchmark::RegisterBenchmark(c.name.c_str(), runCase)->UseRealTime();
  b->Unit(benchmark::kMicrosecond);
  if (c.runs > 0) b->Iterations(c.runs);
}

}  // namespace

int main(int argc, char** argv) {
  bench::Workbench workbench;
  for (const bench::Case& c : workbench.Cases()) Register(c);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Collector collector(workbench.Cases());
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  return bench::PrintRatios(collector.timings) ? 0 : 1;
}
