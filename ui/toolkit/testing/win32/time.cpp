#include "ui/toolkit/testing/time.h"

#include <windows.h>

#include "ui/toolkit/win32/message_loop.h"

namespace toolkit::test {
namespace {

// Dispatches what is queued; false once WM_QUIT was seen (and posted again).
bool DispatchPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (win32::RouteDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace

void PumpMessages(uint32_t milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (!DispatchPending()) return;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
  }
}

// Timers of real windows keep the system's time.
void AdvanceHeadlessClock(uint32_t) {}

}  // namespace toolkit::test
