#include "ui/toolkit/timer.h"

#include <algorithm>
#include <vector>

#include "ui/toolkit/peer.h"

namespace toolkit {
namespace {

// Headless timers share one clock that only tests advance.
class HeadlessTimer;
std::vector<HeadlessTimer*>& HeadlessTimers() {
  static std::vector<HeadlessTimer*> timers;
  return timers;
}
uint64_t gHeadlessNow = 0;

class HeadlessTimer : public Timer::Backend {
 public:
  explicit HeadlessTimer(Timer& timer) : timer_(timer) { HeadlessTimers().push_back(this); }
  ~HeadlessTimer() override {
    auto& all = HeadlessTimers();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
  }
  void Start(uint32_t milliseconds) override {
    period_ = milliseconds;
    due_ = gHeadlessNow + milliseconds;
    running_ = true;
  }
  void Stop() override { running_ = false; }

  // Fires once if due by now; true when it fired.
  bool FireIfDue() {
    if (!running_ || due_ > gHeadlessNow) return false;
    due_ += period_;
    timer_.HandleTick();
    return true;
  }
  uint64_t Due() const { return running_ ? due_ : UINT64_MAX; }

 private:
  Timer& timer_;
  uint32_t period_ = 0;
  uint64_t due_ = 0;
  bool running_ = false;
};

}  // namespace

Timer::Timer() {
  backend_ = backend::CreateTimerBackend(*this);
  if (!backend_) backend_ = std::make_unique<HeadlessTimer>(*this);
}

Timer::~Timer() {
  backend_->Stop();
}

void Timer::SetInterval(uint32_t milliseconds) {
  if (interval_ == milliseconds) return;
  interval_ = milliseconds;
  Update();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Update();
}

void Timer::Update() {
  backend_->Stop();
  if (Running()) backend_->Start(interval_);
}

void Timer::HandleTick() {
  if (Running() && onTimer) onTimer();
}

void AdvanceHeadlessClock(uint32_t milliseconds) {
  const uint64_t end = gHeadlessNow + milliseconds;
  for (;;) {
    // Step to the earliest due timer so ticks come in time order.
    uint64_t next = end;
    for (HeadlessTimer* t : HeadlessTimers()) next = std::min(next, t->Due());
    gHeadlessNow = std::max(gHeadlessNow, next);
    bool fired = false;
    const std::vector<HeadlessTimer*> snapshot = HeadlessTimers();
    for (HeadlessTimer* t : snapshot) {
      const auto& all = HeadlessTimers();
      if (std::find(all.begin(), all.end(), t) != all.end() && t->FireIfDue()) fired = true;
    }
    if (!fired) {
      gHeadlessNow = std::max(gHeadlessNow, end);
      return;
    }
  }
}

void PumpMessages(uint32_t milliseconds) {
  if (!backend::PumpRealMessages(milliseconds)) AdvanceHeadlessClock(milliseconds);
}

}  // namespace toolkit
