#include "ui/toolkit/timer.h"

namespace toolkit {

Timer::Timer() : backend_(backend::CreateTimerBackend(*this)) {}

Timer::~Timer() {
  if (backend_) backend_->Stop();
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
  if (!backend_) return;
  backend_->Stop();
  if (Running()) backend_->Start(interval_);
}

void Timer::HandleTick() {
  if (Running() && onTimer) onTimer();
}

}  // namespace toolkit
