// The link between a control's C++ state and a real window. A control works
// without a peer (headless); with one, state changes are pushed into the
// window and the window's notifications come back as the same C++ events.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/toolkit/geometry.h"

namespace toolkit {

class Canvas;
class Control;

// What changed in a control's state and must reach its window.
enum class Change { Bounds, Caption, Font, Enabled, Visible, State, Items, Repaint, Capture };

// A user's action as a test performs it through the control API.
struct UserAction {
  enum class Kind {
    Click,        // a button, check box or radio item (index)
    DoubleClick,  // a list item (index)
    SelectItem,   // a list item (index) clicked; shift adds to a multiple selection
    Key,          // key down while the control has the focus
    MouseDown,
    MouseMove,
    MouseUp,
    Focus,     // the control gets the keyboard focus
    Type,      // replaces the edit text as if typed
    CloseBox,  // the form's close box
  };
  Kind kind = Kind::Click;
  int index = -1;
  uint16_t key = 0;
  uint8_t shift = kNoShift;
  MouseButton button = MouseButton::Left;
  int x = 0;
  int y = 0;
  std::u16string text;
};

class Peer {
 public:
  virtual ~Peer() = default;
  // The window handle (an HWND on Windows).
  virtual void* Handle() const = 0;
  virtual void Sync(Change what) = 0;
  // Performs the action on the real window; false leaves it to the model.
  virtual bool Perform(const UserAction& action) = 0;
  // Paints on the control's surface at once; false when there is none.
  virtual bool PaintNow(const std::function<void(Canvas&)>& paint) = 0;
};

// Real windows are made only while peers are enabled: by default in the
// Windows build, never natively.
bool PeersEnabled();
void SetPeersEnabled(bool enabled);

}  // namespace toolkit
