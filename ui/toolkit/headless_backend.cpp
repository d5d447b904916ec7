// Without real windows: no peers, no real timers, no message loop, no hook,
// and fixed system colours.
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

namespace backend {

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
