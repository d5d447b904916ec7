#include "ui/toolkit/control.h"

#include <algorithm>

#include "ui/toolkit/form.h"

namespace toolkit {
namespace {

Control* gCaptured = nullptr;

#ifdef _WIN32
bool gPeersEnabled = true;
#else
bool gPeersEnabled = false;
#endif

}  // namespace

bool PeersEnabled() {
  return gPeersEnabled;
}
void SetPeersEnabled(bool enabled) {
  gPeersEnabled = enabled;
}

Control::Control(Kind kind) : kind_(kind) {}

Control::~Control() {
  if (gCaptured == this) gCaptured = nullptr;
  // A control takes itself off its form's focus. A form skips it: its Form
  // part is already destroyed here, and its focus went with it.
  if (kind_ != Kind::Form)
    if (Form* form = OwnerForm()) form->Forget(this);
  for (Control* child : children_) child->parent_ = nullptr;
  peer_.reset();
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Control::SetParent(Control* parent) {
  if (parent_ == parent) return;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_) {
    parent_->children_.push_back(this);
    parent_->ChildAdded(*this);
  }
  if (parent_ && parent_->peer_) {
    Unrealize();
    Realize();
  }
}

std::vector<Control*> Control::ChildrenInTabOrder() const {
  std::vector<Control*> ordered = children_;
  std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
    const bool aStop = a->tabOrder_ >= 0;
    const bool bStop = b->tabOrder_ >= 0;
    if (aStop != bStop) return aStop;
    return aStop && a->tabOrder_ < b->tabOrder_;
  });
  return ordered;
}

Form* Control::OwnerForm() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return c->kind_ == Kind::Form ? static_cast<Form*>(c) : nullptr;
}

void Control::SetBounds(const Rect& bounds) {
  if (bounds_ == bounds) return;
  bounds_ = bounds;
  Changed(Change::Bounds);
}

void Control::MoveTo(int left, int top) {
  SetBounds(Rect::FromBounds(left, top, bounds_.Width(), bounds_.Height()));
}

void Control::SetCaption(std::u16string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Change::Caption);
}

void Control::SetFont(const Font& font) {
  if (font_ == font) return;
  font_ = font;
  Changed(Change::Font);
}

bool Control::EffectivelyEnabled() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->enabled_) return false;
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  PropagateEnabled();
}

void Control::PropagateEnabled() {
  Changed(Change::Enabled);
  for (Control* child : children_) child->PropagateEnabled();
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed(Change::Visible);
}

bool Control::Focused() const {
  Form* form = const_cast<Control*>(this)->OwnerForm();
  return form && form->FocusedControl() == this;
}

void Control::SetCapture() {
  gCaptured = this;
  Changed(Change::Capture);
}

void Control::ReleaseCapture() {
  if (gCaptured != this) return;
  gCaptured = nullptr;
  Changed(Change::Capture);
}

bool Control::HasCapture() const {
  return gCaptured == this;
}

void* Control::Handle() const {
  static bool realizing = false;  // peers being made ask for their parents' handles
  if (!peer_ && PeersEnabled() && !realizing) {
    Form* form = const_cast<Control*>(this)->OwnerForm();
    if (form && form->IsCreated() && !form->IsDestroyed()) {
      realizing = true;
      form->Realize();
      realizing = false;
    }
  }
  return peer_ ? peer_->Handle() : nullptr;
}

void Control::Realize() {
  if (!peer_ && PeersEnabled()) peer_ = CreatePeer();
  for (Control* child : ChildrenInTabOrder()) child->Realize();
}

void Control::Unrealize() {
  for (Control* child : children_) child->Unrealize();
  peer_.reset();
}

void Control::HandleMouse(MouseEvent event, MouseButton button, uint8_t shift, int x, int y) {
  switch (event) {
    case MouseEvent::Down:
      if (onMouseDown) onMouseDown(button, shift, x, y);
      break;
    case MouseEvent::Move:
      if (onMouseMove) onMouseMove(shift, x, y);
      break;
    case MouseEvent::Up:
      if (onMouseUp) onMouseUp(button, shift, x, y);
      break;
  }
}

void Control::HandleFocus(bool gained) {
  Form* form = OwnerForm();
  if (!form) return;
  if (gained) {
    form->SetFocusedControl(this);
  } else if (form->FocusedControl() == this) {
    form->SetFocusedControl(nullptr);
  }
}

void Control::Changed(Change what) {
  if (peer_) peer_->Sync(what);
}

}  // namespace toolkit
