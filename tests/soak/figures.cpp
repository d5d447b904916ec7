#include "tests/soak/figures.h"

#include "ui/toolkit/handles.h"

#ifdef _WIN32
#include "standin_player/process_stats.h"
#elif defined(__SANITIZE_ADDRESS__)
#include <cstddef>
// From the sanitizer runtime; its header is not installed with every compiler.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace soak {

Figures Measure() {
  Figures f;
  const toolkit::HandleCounts handles = toolkit::LiveHandles();
  f.gdi = handles.gdi;
  f.user = handles.user;
#ifdef _WIN32
  const standin::ProcessStats stats = standin::ReadProcessStats();
  f.memory = stats.privateBytes;
  f.windows = stats.topWindows + stats.childWindows;
#elif defined(__SANITIZE_ADDRESS__)
  // The sanitizer's allocator replaces the C library's.
  f.memory = static_cast<int64_t>(__sanitizer_get_current_allocated_bytes());
#else
  // Heap in use, exact to the byte.
  const struct mallinfo2 heap = mallinfo2();
  f.memory = static_cast<int64_t>(heap.uordblks + heap.hblkhd);
#endif
  return f;
}

std::string Describe(const Figures& f) {
  return "memory " + std::to_string(f.memory) + " B, gdi " + std::to_string(f.gdi) + ", user " +
         std::to_string(f.user) + ", windows " + std::to_string(f.windows);
}

std::string GrowthOf(const Figures& afterWarmUp, const Figures& last, const Growth& allowed) {
  std::string out;
  if (last.memory - afterWarmUp.memory > allowed.memoryTolerance)
    out += " memory +" + std::to_string(last.memory - afterWarmUp.memory) + " B;";
  if (last.gdi > afterWarmUp.gdi)
    out += " gdi +" + std::to_string(last.gdi - afterWarmUp.gdi) + ";";
  if (last.user > afterWarmUp.user)
    out += " user +" + std::to_string(last.user - afterWarmUp.user) + ";";
  if (last.windows > afterWarmUp.windows)
    out += " windows +" + std::to_string(last.windows - afterWarmUp.windows) + ";";
  return out;
}

}  // namespace soak
