// Base of every control and form: identity, place in the tree, geometry,
// caption, font, tab order, enabled state, focus, mouse events and capture.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit/geometry.h"
#include "ui/toolkit/peer.h"

namespace toolkit {

class Form;

// What a control is, for code that walks the tree; what a control's window
// does comes from the control's own peer, never from this.
enum class Kind {
  Form,
  Label,
  Button,
  CheckBox,
  RadioGroup,
  SpinEdit,
  Memo,
  PageControl,
  TabSheet,
  GroupBox,
  PictureArea,
  ListBox,
  Custom,
};

// What the mouse did, as the window reports it.
enum class MouseEvent { Down, Move, Up };

using Handler = std::function<void()>;
using MouseHandler = std::function<void(MouseButton button, uint8_t shift, int x, int y)>;
using MouseMoveHandler = std::function<void(uint8_t shift, int x, int y)>;

class Control {
 public:
  explicit Control(Kind kind);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind GetKind() const { return kind_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // Children are not owned; a child leaves its parent when it dies.
  Control* Parent() const { return parent_; }
  void SetParent(Control* parent);
  const std::vector<Control*>& Children() const { return children_; }
  // Children in tab order (tab stops by order, then the rest as added).
  std::vector<Control*> ChildrenInTabOrder() const;
  Form* OwnerForm();

  // Position within the parent's client area.
  const Rect& Bounds() const { return bounds_; }
  void SetBounds(const Rect& bounds);
  void MoveTo(int left, int top);

  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string caption);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  const std::u16string& Hint() const { return hint_; }
  void SetHint(std::u16string hint) { hint_ = std::move(hint); }

  // -1: not a tab stop.
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }

  // Own flag; a control is usable only when it and all its parents are enabled.
  bool Enabled() const { return enabled_; }
  bool EffectivelyEnabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  bool Focused() const;

  MouseHandler onMouseDown;
  MouseMoveHandler onMouseMove;
  MouseHandler onMouseUp;
  // Mouse capture: while set, movements keep coming here.
  void SetCapture();
  void ReleaseCapture();
  bool HasCapture() const;

  // Creates the real windows of this control and its children (no-op headless).
  void Realize();
  void Unrealize();
  Peer* GetPeer() const { return peer_.get(); }
  // The real window, made for the whole form when first asked for (a form's
  // windows are otherwise made when it is first shown); null headless.
  void* Handle() const;

  // Entry points for peers: a notification from the real window.
  // The mouse in the control's own coordinates.
  virtual void HandleMouse(MouseEvent event, MouseButton button, uint8_t shift, int x, int y);
  virtual void HandleFocus(bool gained);
  // The keyboard focus moved from here to elsewhere.
  virtual void FocusLost() {}

 protected:
  // The real window's side of this type of control; each backend defines it
  // (headless: none).
  virtual std::unique_ptr<Peer> CreatePeer() = 0;
  // Pushes a state change into the real window, if any.
  void Changed(Change what);
  // A child has just been added.
  virtual void ChildAdded(Control&) {}
  // Called on the whole subtree when enabled state of an ancestor changes.
  void PropagateEnabled();

 private:
  Kind kind_;
  std::string name_;
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  Rect bounds_;
  std::u16string caption_;
  std::u16string hint_;
  Font font_;
  int tabOrder_ = -1;
  bool enabled_ = true;
  bool visible_ = true;
  std::unique_ptr<Peer> peer_;
};

}  // namespace toolkit
