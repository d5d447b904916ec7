// The link between a control's C++ state and a real window. A control works
// without a peer (headless); with one, state changes are pushed into the
// window and the window's notifications come back as the same C++ events.
#pragma once

#include <functional>
#include <memory>

#include "ui/toolkit/geometry.h"

namespace toolkit {

class Canvas;
class Control;

// What changed in a control's state and must reach its window.
enum class Change { Bounds, Caption, Font, Enabled, Visible, State, Items, Repaint, Capture };

class Peer {
 public:
  virtual ~Peer() = default;
  // The window handle (an HWND on Windows).
  virtual void* Handle() const = 0;
  virtual void Sync(Change what) = 0;
  // Paints on the control's surface at once; false when there is none.
  virtual bool PaintNow(const std::function<void(Canvas&)>& paint) = 0;
};

// Real windows are made only while peers are enabled: by default in the
// Windows build, never natively.
bool PeersEnabled();
void SetPeersEnabled(bool enabled);

}  // namespace toolkit
