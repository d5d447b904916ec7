// Without real windows: no peers, no real timers, no message loop, no hook,
// and fixed system colours.
#include <algorithm>
#include <vector>

#include "ui/toolkit/canvas.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/lifetime.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/timer.h"

namespace toolkit {

#define KALEIDRA_NO_PEER(Type)               \
  std::unique_ptr<Peer> Type::CreatePeer() { \
    return nullptr;                          \
  }
KALEIDRA_NO_PEER(Form)
KALEIDRA_NO_PEER(Label)
KALEIDRA_NO_PEER(Button)
KALEIDRA_NO_PEER(CheckBox)
KALEIDRA_NO_PEER(RadioGroup)
KALEIDRA_NO_PEER(SpinEdit)
KALEIDRA_NO_PEER(Memo)
KALEIDRA_NO_PEER(PageControl)
KALEIDRA_NO_PEER(TabSheet)
KALEIDRA_NO_PEER(GroupBox)
KALEIDRA_NO_PEER(ListBox)
KALEIDRA_NO_PEER(PictureArea)
KALEIDRA_NO_PEER(CustomControl)
#undef KALEIDRA_NO_PEER

uint32_t SystemColor(SysColor which) {
  switch (which) {
    case SysColor::ButtonFace:
      return 0xF0F0F0;
    case SysColor::Window:
      return 0xFFFFFF;
    case SysColor::WindowText:
      return 0x000000;
    case SysColor::Highlight:
      return 0xFF9933;
    case SysColor::HighlightText:
      return 0xFFFFFF;
  }
  return 0;
}

namespace {

// Headless timers share one clock that only tests move on.
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

namespace backend {

std::unique_ptr<Timer::Backend> CreateTimerBackend(Timer& timer) {
  return std::make_unique<HeadlessTimer>(timer);
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
bool RunModal(Form&) {
  return false;
}
Size ScreenSize() {
  return Size{1024, 768};
}

}  // namespace backend

void EnableDialogKeys(Form&, bool) {}
void RemoveDialogKeyHook() {}
void ShutdownToolkit() {}
bool DialogKeyHookInstalled() {
  return false;
}

}  // namespace toolkit
