// Without real windows: no peers, no real timers, no message loop, no hook.
#include "ui/toolkit/form.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/lifetime.h"
#include "ui/toolkit/timer.h"

namespace toolkit {
namespace backend {

std::unique_ptr<Peer> CreatePeer(Control&) {
  return nullptr;
}
std::unique_ptr<Timer::Backend> CreateTimerBackend(Timer&) {
  return nullptr;
}
bool PumpRealMessages(uint32_t) {
  return false;
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
