// What a long session must keep flat, measured in the test process: memory in
// use, the toolkit's own count of the GDI and USER objects it holds, and the
// thread's windows as the system enumerates them.
#pragma once

#include <cstdint>
#include <string>

namespace soak {

struct Figures {
  int64_t memory = 0;  // Windows: committed private bytes; elsewhere: heap bytes in use
  int gdi = 0;         // toolkit::LiveHandles()
  int user = 0;
  int windows = 0;  // top-level and child windows of this thread (0 without real windows)
};

Figures Measure();
std::string Describe(const Figures& figures);

// A figure grows when it ends above its value after the warm-up by more than
// the tolerance (memory) or at all (handles, windows).
struct Growth {
  int64_t memoryTolerance;
};
std::string GrowthOf(const Figures& afterWarmUp, const Figures& last, const Growth& allowed);

}  // namespace soak
