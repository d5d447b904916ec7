// What a long session must keep flat: the process's committed private memory
// and its windows. Wine answers GetGuiResources with 0 and leaves PrivateUsage
// unset, so memory is summed from the address space and windows are counted by
// enumerating them; the system's GDI and USER counts are kept for Windows.
#pragma once

#include <cstdint>
#include <string>

namespace standin {

struct ProcessStats {
  int64_t privateBytes = 0;  // committed private regions (VirtualQuery)
  int topWindows = 0;        // top-level windows of this thread, hidden ones too,
                             // but not the system's input-method window
  int childWindows = 0;      // their descendants
  int gdiObjects = 0;        // GetGuiResources; 0 under Wine
  int userObjects = 0;
};

ProcessStats ReadProcessStats();

// " private=N top=N child=N gdi=N user=N", for a log line.
std::string Describe(const ProcessStats& stats);

}  // namespace standin
