// Counts of the system objects the toolkit holds alive. The system's own
// per-process counters are not available under every Windows implementation,
// so the toolkit's owning wrappers count what they create and release.
#pragma once

namespace toolkit {

struct HandleCounts {
  int user = 0;  // windows
  int gdi = 0;   // fonts, brushes, pens, bitmaps, device contexts
};

HandleCounts LiveHandles();

namespace detail {
void CountUser(int delta);
void CountGdi(int delta);
}  // namespace detail

}  // namespace toolkit
