// The modal show's message loop and real window timers.
#include "ui/toolkit/win32/message_loop.h"

#include <vector>

#include "platform/win32/module.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/timer.h"
#include "ui/toolkit/win32/window_peer.h"

namespace toolkit {
namespace win32 {

bool RouteDialogKeys(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root || !WindowPeer::FromHandle(root)) return false;
  return IsDialogMessageW(root, &msg) != FALSE;
}

namespace {

BOOL CALLBACK CollectEnabled(HWND hwnd, LPARAM list) {
  if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

// A hidden message-only window per running timer, of our panel class with no
// peer; the timer's id is the WindowTimer, and its ticks go to Tick.
class WindowTimer : public Timer::Backend {
 public:
  explicit WindowTimer(Timer& timer) : timer_(timer) {}

  void Start(uint32_t milliseconds) override {
    if (!window_) {
      RegisterClasses();
      window_ =
          OwnedWindow(CreateWindowExW(0, ClassName(WindowClass::Panel), nullptr, 0, 0, 0, 0, 0,
                                      HWND_MESSAGE, nullptr, platform::ModuleInstance(), nullptr));
      if (!window_) return;
    }
    // Replacing the timer restarts the period.
    SetTimer(window_.Get(), reinterpret_cast<UINT_PTR>(this), milliseconds, &WindowTimer::Tick);
  }

  void Stop() override { window_.Reset(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    try {
      reinterpret_cast<WindowTimer*>(id)->timer_.HandleTick();
    } catch (...) {
      // Nothing may leave a window procedure.
    }
  }

  Timer& timer_;
  OwnedWindow window_;
};

}  // namespace
}  // namespace win32

namespace backend {

std::unique_ptr<Timer::Backend> CreateTimerBackend(Timer& timer) {
  if (!PeersEnabled()) return nullptr;
  return std::make_unique<win32::WindowTimer>(timer);
}

bool RunModal(Form& form) {
  HWND hwnd = static_cast<HWND>(form.Handle());
  if (!hwnd) return false;
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), &win32::CollectEnabled,
                    reinterpret_cast<LPARAM>(&disabled));
  for (HWND other : disabled)
    if (other != hwnd) EnableWindow(other, FALSE);
  SetActiveWindow(hwnd);
  while (form.IsModal() && form.IsShown()) {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    if (win32::RouteDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // Enable the others before the modal window goes, so activation returns to them.
  for (HWND other : disabled)
    if (other != hwnd && IsWindow(other)) EnableWindow(other, TRUE);
  if (form.IsShown()) form.Hide();
  return true;
}

Size ScreenSize() {
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace backend
}  // namespace toolkit
