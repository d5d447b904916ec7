// A top-level window. It owns the controls bound to it, centres itself on the
// screen, and shows modeless or modal. Closing by the user runs onClose and
// hides; Hide hides without it. Call Destroy before deleting a form to run
// onDestroy (a base destructor cannot call into the derived class).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit/control.h"

namespace toolkit {

enum class BorderStyle {
  ToolWindow,  // small title bar, fixed size, only the close box
  Dialog,      // dialog frame, no title-bar buttons
};

class Form : public Control {
 public:
  Form();
  ~Form() override;

  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle border) { border_ = border; }
  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool stayOnTop) { stayOnTop_ = stayOnTop; }
  Size ClientSize() const { return clientSize_; }
  void SetClientSize(int width, int height);

  Handler onCreate;
  Handler onShow;
  Handler onClose;
  Handler onDestroy;

  // Makes the real window (hidden) and runs onCreate. Bind calls it.
  void Create();
  void Show();
  // Returns when the form closes; other windows of the thread are disabled
  // meanwhile and timers keep ticking. Headless: marks the form shown and returns.
  void ShowModal();
  // The user's close: runs onClose, then hides (and ends a modal show).
  void Close();
  void Hide();
  void BringToFront();
  void Destroy();
  bool IsShown() const { return shown_; }
  bool IsModal() const { return modal_; }
  bool IsCreated() const { return created_; }
  bool IsDestroyed() const { return destroyed_; }

  // A message box owned by this window; returns the button pressed.
  int ShowMessage(const std::u16string& text, uint32_t flags);
  int ShowMessage(const std::u16string& text, const std::u16string& caption, uint32_t flags);

  Control* FocusedControl() const { return focused_; }
  void SetFocusedControl(Control* control);

  // Takes ownership of a control (Bind puts every described control here).
  template <class T>
  T& Adopt(std::unique_ptr<T> control) {
    T& ref = *control;
    owned_.push_back(std::move(control));
    return ref;
  }
  Control* FindControl(const std::string& name) const;

  // Entry points for the peer.
  void Forget(Control* control);

 protected:
  std::unique_ptr<Peer> CreatePeer() override;

 private:
  void SetShown(bool shown);

  BorderStyle border_ = BorderStyle::Dialog;
  bool stayOnTop_ = true;
  Size clientSize_;
  bool created_ = false;
  bool destroyed_ = false;
  bool shown_ = false;
  bool modal_ = false;
  Control* focused_ = nullptr;
  std::vector<std::unique_ptr<Control>> owned_;
};

// True while a modal show runs its own message loop further up the stack: a
// form must not be deleted then, since the loop (and whatever opened it) still
// refers to it.
bool ModalLoopRunning();

namespace backend {
// Runs a modal loop for the form's real window; false when it has none.
bool RunModal(Form& form);
// Screen size for centring (the primary monitor; 1024 x 768 headless).
Size ScreenSize();
}  // namespace backend

}  // namespace toolkit
