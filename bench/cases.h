// The measured operations, shared by the Google Benchmark program and the
// Win32 timing harness so that both print the same names and ratios.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bench {

struct Case {
  std::string name;             // "MenuCommand/1024"
  std::function<void()> setUp;  // untimed, once before the runs
  std::function<void()> run;    // the measured work
  std::function<void()> after;  // untimed, after every run; may be empty
  std::function<void()> tearDown;
  // Runs to make; 0 lets the harness choose by time. A case whose untimed
  // work dwarfs the measured one sets it, or a run of microseconds would be
  // repeated for minutes.
  int64_t runs = 0;
  // The bare counterpart, timed in turn with run: each run is followed by
  // after, a run of the floor and after again. A machine's speed drifts by a
  // tenth and more over the seconds between two cases measured one after the
  // other; taken in turn, both see the same machine. Reported as floorName.
  std::function<void()> floor = nullptr;
  std::string floorName = {};
};

// Seconds of one run of a case and of its floor (0 without one).
struct TurnTimes {
  double run = 0;
  double floor = 0;
};

// One run of the case, then after; with a floor, a run of the floor and after
// again. Timed by clock, in seconds.
TurnTimes RunTurn(const Case& c, double (*clock)());

// Skin folders of 0, 100, 1024 and 5000 files are made in a temporary folder
// that lives as long as the returned cases' owner (Workbench).
class Workbench {
 public:
  Workbench();
  ~Workbench();
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;
  const std::vector<Case>& Cases() const { return cases_; }

 private:
  std::vector<Case> cases_;
  std::string root_;
};

// Seconds per run, by case name.
using Timings = std::map<std::string, double>;

// Prints each plug-in operation against its bare counterpart, with the goal.
// Returns false when a ratio with a goal misses it.
bool PrintRatios(const Timings& timings);

}  // namespace bench
