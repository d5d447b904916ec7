// The standard controls. Each holds its state; setters push it into the real
// window, and the window's notifications reach the Handle... entry points.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/canvas.h"
#include "ui/toolkit/control.h"

namespace toolkit {

class Label : public Control {
 public:
  Label() : Control(Kind::Label) {}

 protected:
  std::unique_ptr<Peer> CreatePeer() override;
};

// Push button; the caption may use a symbol font (SetFont with face Webdings).
class Button : public Control {
 public:
  Button() : Control(Kind::Button) {}
  Handler onClick;
  void HandleClick();

 protected:
  std::unique_ptr<Peer> CreatePeer() override;
};

class CheckBox : public Control {
 public:
  CheckBox() : Control(Kind::CheckBox) {}
  bool Checked() const { return checked_; }
  // A different state runs onClick, as a click would; the same state runs nothing.
  void SetChecked(bool checked);
  Handler onClick;
  void HandleClick() { SetChecked(!checked_); }

 protected:
  std::unique_ptr<Peer> CreatePeer() override;

 private:
  bool checked_ = false;
};

// A captioned frame of radio buttons, one per item.
class RadioGroup : public Control {
 public:
  RadioGroup() : Control(Kind::RadioGroup) {}
  const std::vector<std::u16string>& Items() const { return items_; }
  void SetItems(std::vector<std::u16string> items);
  int ItemIndex() const { return itemIndex_; }  // -1: none selected
  // A different item runs onClick, as a click would; the same item runs nothing.
  void SetItemIndex(int index);
  Handler onClick;
  void HandleItemClick(int index) { SetItemIndex(index); }

 protected:
  std::unique_ptr<Peer> CreatePeer() override;

 private:
  std::vector<std::u16string> items_;
  int itemIndex_ = -1;
};

// A numeric field with up/down arrows. The text is what the field shows; it is
// brought into Min..Max when a value is set and when the field loses the focus.
class SpinEdit : public Control {
 public:
  SpinEdit() : Control(Kind::SpinEdit) {}
  void SetRange(int32_t minValue, int32_t maxValue, int32_t step);
  int32_t MinValue() const { return min_; }
  int32_t MaxValue() const { return max_; }
  int32_t Step() const { return step_; }
  // The whole number shown, or MinValue when the text is not one.
  int32_t Value() const;
  void SetValue(int32_t value);
  const std::u16string& Text() const { return text_; }
  void StepBy(int steps);  // the arrows, or Up and Down
  void HandleTextChanged(std::u16string text) { text_ = std::move(text); }
  void FocusLost() override { SetValue(Value()); }
  int32_t Clamp(int32_t value) const;

 protected:
  std::unique_ptr<Peer> CreatePeer() override;

 private:
  int32_t min_ = 0;
  int32_t max_ = 100;
  int32_t step_ = 1;
  std::u16string text_ = u"0";
};

class Memo : public Control {
 public:
  enum class ScrollBars { None, Vertical, Horizontal, Both };
  Memo() : Control(Kind::Memo) {}
  const std::vector<std::u16string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::u16string> lines);
  void AddLine(std::u16string line);
  void Clear() { SetLines({}); }
  // The lines joined by CR LF, as the edit control holds them.
  std::u16string Text() const;
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  ScrollBars GetScrollBars() const { return scrollBars_; }
  void SetScrollBars(ScrollBars bars) { scrollBars_ = bars; }
  void HandleTextChanged(const std::u16string& text);

 protected:
  std::unique_ptr<Peer> CreatePeer() override;

 private:
  std::vector<std::u16string> lines_;
  bool readOnly_ = false;
  ScrollBars scrollBars_ = ScrollBars::None;
};

// One page of a PageControl; its caption is the tab's text.
class TabSheet : public Control {
 public:
  TabSheet() : Control(Kind::TabSheet) {}

 protected:
  std::unique_ptr<Peer> CreatePeer() override;
};

// Tabs over pages; the TabSheet children are the pages in order.
class PageControl : public Control {
 public:
  PageControl() : Control(Kind::PageControl) {}
  std::vector<TabSheet*> Pages() const;
  int ActivePageIndex() const { return active_; }
  TabSheet* ActivePage() const;
  void SetActivePageIndex(int index);
  void HandlePageSelected(int index) { SetActivePageIndex(index); }
  // The pages' area within the control (below the tabs).
  Rect DisplayRect() const;

 protected:
  std::unique_ptr<Peer> CreatePeer() override;
  void ChildAdded(Control& child) override;

 private:
  int active_ = 0;
};

// A captioned frame; disabling it disables every control inside.
class GroupBox : public Control {
 public:
  GroupBox() : Control(Kind::GroupBox) {}

 protected:
  std::unique_ptr<Peer> CreatePeer() override;
};

// An image area whose window keeps a persistent surface of its own size:
// SetPicture draws a picture unscaled at the top-left; Draw paints on the
// surface through a Canvas. Both keep what they drew until the next drawing.
// Without a window there is nothing to draw on.
class PictureArea : public Control {
 public:
  using Painting = std::function<void(Canvas&)>;
  PictureArea() : Control(Kind::PictureArea) {}
  void SetPicture(const Picture& picture);
  void Draw(const Painting& paint);
  // Runs after each drawing with the same painting, so that a copy of the area
  // can be kept (the tests keep one to read).
  std::function<void(const Painting&)> onDraw;

 protected:
  std::unique_ptr<Peer> CreatePeer() override;
};

// A control that paints itself: palette strips, colour swatches.
class CustomControl : public Control {
 public:
  CustomControl() : Control(Kind::Custom) {}
  std::function<void(Canvas&)> onPaint;
  // Paints the whole control; the default runs onPaint.
  virtual void Paint(Canvas& canvas);
  // Paints on the window at once, within the call, not at the next repaint.
  void PaintNow();
  // Invalidates: the window repaints when it next processes messages.
  void Repaint() { Changed(Change::Repaint); }

 protected:
  std::unique_ptr<Peer> CreatePeer() override;
};

}  // namespace toolkit
