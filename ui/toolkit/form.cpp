#include "ui/toolkit/form.h"

#include <algorithm>

#include "platform/message_box.h"
#include "ui/toolkit/keyboard.h"

namespace toolkit {

Form::Form() : Control(Kind::Form) {}

Form::~Form() {
  if (created_ && !destroyed_) {
    onDestroy = nullptr;
    Destroy();
  }
  // Children go before their parents: release in reverse order of adoption.
  while (!owned_.empty()) owned_.pop_back();
}

void Form::SetClientSize(int width, int height) {
  clientSize_ = Size{width, height};
  const Size screen = backend::ScreenSize();
  SetBounds(
      Rect::FromBounds((screen.width - width) / 2, (screen.height - height) / 2, width, height));
}

// The real windows are made at the first show (or when a handle is asked
// for): starting the plug-in then creates no window at all, and a long list
// is handed to its window once.
void Form::Create() {
  if (created_) return;
  created_ = true;
  if (onCreate) onCreate();
}

void Form::SetShown(bool shown) {
  if (shown_ == shown) return;
  shown_ = shown;
  Changed(Change::Visible);
  if (!modal_) EnableDialogKeys(*this, shown);
  if (shown && onShow) onShow();
}

void Form::Show() {
  Create();
  Handle();  // makes the windows on the first show
  if (shown_) {
    BringToFront();
    return;
  }
  SetShown(true);
}

namespace {
int gModalLoops = 0;
}  // namespace

bool ModalLoopRunning() {
  return gModalLoops > 0;
}

void Form::ShowModal() {
  Create();
  Handle();  // makes the windows on the first show
  if (shown_) return;
  modal_ = true;
  SetShown(true);
  struct LoopCount {
    LoopCount() { ++gModalLoops; }
    ~LoopCount() { --gModalLoops; }
  } counting;
  backend::RunModal(*this);
}

void Form::Close() {
  if (onClose) onClose();
  Hide();
}

void Form::Hide() {
  const bool wasModal = modal_;
  modal_ = false;
  if (!shown_) return;
  shown_ = false;
  if (!wasModal) EnableDialogKeys(*this, false);
  Changed(Change::Visible);
}

void Form::BringToFront() {
  Changed(Change::State);
}

void Form::Destroy() {
  if (!created_ || destroyed_) return;
  Hide();
  if (onDestroy) onDestroy();
  destroyed_ = true;
  Unrealize();
}

int Form::ShowMessage(const std::u16string& text, uint32_t flags) {
  platform::MessageBoxCall call;
  call.owner = Handle();
  call.text = text;
  call.flags = flags;
  return platform::ShowMessageBox(call);
}

int Form::ShowMessage(const std::u16string& text, const std::u16string& caption, uint32_t flags) {
  platform::MessageBoxCall call;
  call.owner = Handle();
  call.text = text;
  call.hasCaption = true;
  call.caption = caption;
  call.flags = flags;
  return platform::ShowMessageBox(call);
}

void Form::SetFocusedControl(Control* control) {
  Control* previous = focused_;
  focused_ = control;
  if (previous && previous != control) previous->FocusLost();
}

Control* Form::FindControl(const std::string& name) const {
  for (const auto& control : owned_)
    if (control->Name() == name) return control.get();
  return nullptr;
}

void Form::Forget(Control* control) {
  if (focused_ == control) focused_ = nullptr;
}

}  // namespace toolkit
