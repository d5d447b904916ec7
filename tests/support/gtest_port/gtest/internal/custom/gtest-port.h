// GoogleTest's hook for a port of its own. The win32 thread model's C++ library has no
// std::mutex or std::condition_variable, on which GoogleTest builds its Notification;
// this one is a manual-reset event.
#ifndef KALEIDRA_GTEST_CUSTOM_PORT_H_
#define KALEIDRA_GTEST_CUSTOM_PORT_H_

#ifdef _WIN32
#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() {
    if (event_) CloseHandle(event_);
  }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace internal
}  // namespace testing
#endif

#endif  // KALEIDRA_GTEST_CUSTOM_PORT_H_
