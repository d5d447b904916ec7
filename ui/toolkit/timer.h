// A window timer. Stopped at creation; killed when destroyed. Setting a
// different interval restarts the period; setting the same one keeps it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace toolkit {

class Timer {
 public:
  Timer();
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Running() const { return enabled_ && interval_ > 0; }

  std::function<void()> onTimer;
  // One tick, as the timer message delivers it.
  void HandleTick();

  // The real or headless clock behind the timer.
  struct Backend {
    virtual ~Backend() = default;
    virtual void Start(uint32_t milliseconds) = 0;  // (re)starts the period
    virtual void Stop() = 0;
  };

 private:
  void Update();

  uint32_t interval_ = 1000;
  bool enabled_ = false;
  std::unique_ptr<Backend> backend_;
};

// Lets time pass: runs the message loop for that long with real windows, or
// advances the headless clock and fires the headless timers that fall due.
void PumpMessages(uint32_t milliseconds);
// The headless clock alone (tests that want exact time).
void AdvanceHeadlessClock(uint32_t milliseconds);

namespace backend {
// A real timer when real windows are in use; nullptr otherwise.
std::unique_ptr<Timer::Backend> CreateTimerBackend(Timer& timer);
// Runs the real message loop for that long; false when there is none.
bool PumpRealMessages(uint32_t milliseconds);
}  // namespace backend

}  // namespace toolkit
