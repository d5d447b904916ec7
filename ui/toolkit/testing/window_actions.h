// What a user does to a real window, as the messages the system would send it.
#pragma once

#include <cstdint>
#include <string>

#include "ui/toolkit/control.h"

namespace toolkit::test {

struct WindowAction {
  enum class Kind {
    PressButton,     // a push button or check box
    PressRadioItem,  // one of a radio group's buttons (index)
    ClickTab,        // index
    ClickListItem,   // index; shift with Ctrl or Shift held
    DoubleClickListItem,
    Key,       // key down and up
    Type,      // replaces the edit's text as if typed
    CloseBox,  // the form's close box
    Focus,     // fails where the window takes no focus
    Mouse,     // event and button at x, y
  };
  Kind kind = Kind::PressButton;
  int index = -1;
  uint16_t key = 0;
  uint8_t shift = kNoShift;
  MouseEvent event = MouseEvent::Down;
  MouseButton button = MouseButton::Left;
  int x = 0;
  int y = 0;
  std::u16string text;
};

// Acts on the window; false when there is none to act on (never one natively)
// or it cannot take the action, and the caller then gives the action its
// meaning without a window.
bool ActOnWindow(void* window, const WindowAction& action);

}  // namespace toolkit::test
