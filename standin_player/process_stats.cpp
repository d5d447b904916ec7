#include "standin_player/process_stats.h"

#include <windows.h>

namespace standin {

namespace {

int64_t CommittedPrivateBytes() {
  int64_t total = 0;
  MEMORY_BASIC_INFORMATION region{};
  const char* at = nullptr;
  while (VirtualQuery(at, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
      total += static_cast<int64_t>(region.RegionSize);
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;  // wrapped at the top of the address space
    at = next;
  }
  return total;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The input-method window the system adds to a thread with windows.
bool IsSystemImeWindow(HWND window) {
  wchar_t name[8] = {};
  GetClassNameW(window, name, 8);
  return lstrcmpW(name, L"IME") == 0;
}

BOOL CALLBACK CountTopWindow(HWND window, LPARAM p) {
  if (IsSystemImeWindow(window)) return TRUE;
  auto* stats = reinterpret_cast<ProcessStats*>(p);
  ++stats->topWindows;
  EnumChildWindows(window, &CountChild, reinterpret_cast<LPARAM>(&stats->childWindows));
  return TRUE;
}

}  // namespace

ProcessStats ReadProcessStats() {
  ProcessStats stats;
  stats.privateBytes = CommittedPrivateBytes();
  EnumThreadWindows(GetCurrentThreadId(), &CountTopWindow, reinterpret_cast<LPARAM>(&stats));
  stats.gdiObjects = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  stats.userObjects = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  return stats;
}

std::string Describe(const ProcessStats& stats) {
  return " private=" + std::to_string(stats.privateBytes) +
         " top=" + std::to_string(stats.topWindows) +
         " child=" + std::to_string(stats.childWindows) +
         " gdi=" + std::to_string(stats.gdiObjects) + " user=" + std::to_string(stats.userObjects);
}

}  // namespace standin
