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

namespace backend {
// A real timer when real windows are in use; natively one on the headless
// clock; nullptr otherwise (the timer then never ticks).
std::unique_ptr<Timer::Backend> CreateTimerBackend(Timer& timer);
#ifndef _WIN32
// Moves the headless clock on, firing the timers that fall due in time order.
void AdvanceHeadlessClock(uint32_t milliseconds);
#endif
}  // namespace backend

}  // namespace toolkit
