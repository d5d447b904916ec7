#include "ui/toolkit/testing/user_actions.h"

#include <algorithm>
#include <vector>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/testing/window_actions.h"

namespace toolkit::test {
namespace {

// A user reaches only what is enabled and shown; asking for the handle makes
// the form's windows, as a user acts on real windows where there are any.
bool Reachable(Control& control) {
  if (!control.EffectivelyEnabled() || !control.Visible()) return false;
  control.Handle();
  return true;
}

WindowAction Action(WindowAction::Kind kind, int index = -1) {
  WindowAction action;
  action.kind = kind;
  action.index = index;
  return action;
}

// What the system's list box does when it moves its selection to index.
void MoveCurrent(ListBox& list, int index) {
  if (list.Count() == 0) return;
  index = std::clamp(index, 0, list.Count() - 1);
  std::vector<bool> selected(static_cast<size_t>(list.Count()));
  selected[index] = true;
  list.HandleSelectionRead(index, selected);
  list.HandleClick();
}

void ToggleItem(ListBox& list, int index) {
  std::vector<bool> selected;
  for (int i = 0; i < list.Count(); ++i) selected.push_back(list.Selected(i) != (i == index));
  list.HandleSelectionRead(index, selected);
  list.HandleClick();
}

void Mouse(Control& control, MouseEvent event, MouseButton button, int x, int y, uint8_t shift) {
  if (!Reachable(control)) return;
  WindowAction action = Action(WindowAction::Kind::Mouse);
  action.event = event;
  action.button = button;
  action.x = x;
  action.y = y;
  action.shift = shift;
  if (!ActOnWindow(control.Handle(), action)) control.HandleMouse(event, button, shift, x, y);
}

template <class Edit>
void TypeInto(Edit& edit, const std::u16string& text) {
  if (!Reachable(edit)) return;
  WindowAction action = Action(WindowAction::Kind::Type);
  action.text = text;
  if (!ActOnWindow(edit.Handle(), action)) edit.HandleTextChanged(text);
}

}  // namespace

void Click(Button& button) {
  if (!Reachable(button)) return;
  if (!ActOnWindow(button.Handle(), Action(WindowAction::Kind::PressButton))) button.HandleClick();
}

void Click(CheckBox& box) {
  if (!Reachable(box)) return;
  if (!ActOnWindow(box.Handle(), Action(WindowAction::Kind::PressButton))) box.HandleClick();
}

void ClickItem(RadioGroup& group, int index) {
  if (index < 0 || index >= static_cast<int>(group.Items().size()) || !Reachable(group)) return;
  if (!ActOnWindow(group.Handle(), Action(WindowAction::Kind::PressRadioItem, index)))
    group.HandleItemClick(index);
}

void ClickItem(ListBox& list, int index, uint8_t shift) {
  if (index < 0 || index >= list.Count() || !Reachable(list)) return;
  WindowAction action = Action(WindowAction::Kind::ClickListItem, index);
  action.shift = shift;
  if (ActOnWindow(list.Handle(), action)) return;
  list.HandleFocus(true);
  if (list.MultiSelect() && (shift & kCtrl)) {
    ToggleItem(list, index);
  } else {
    MoveCurrent(list, index);
  }
}

void DoubleClickItem(ListBox& list, int index) {
  if (index < 0 || index >= list.Count() || !Reachable(list)) return;
  if (ActOnWindow(list.Handle(), Action(WindowAction::Kind::DoubleClickListItem, index))) return;
  MoveCurrent(list, index);
  list.HandleDoubleClick();
}

void PressKey(ListBox& list, uint16_t key, uint8_t shift) {
  if (!Reachable(list)) return;
  WindowAction action = Action(WindowAction::Kind::Key);
  action.key = key;
  action.shift = shift;
  if (ActOnWindow(list.Handle(), action)) return;
  if (!list.HandleKeyDown(key, shift)) return;
  const int current = list.ItemIndex();
  if (key == kKeyDown) MoveCurrent(list, current + 1);
  if (key == kKeyUp) MoveCurrent(list, current < 0 ? 0 : current - 1);
  if (key == kKeyHome) MoveCurrent(list, 0);
  if (key == kKeyEnd) MoveCurrent(list, list.Count() - 1);
}

void Type(SpinEdit& spin, const std::u16string& text) {
  TypeInto(spin, text);
}

void Type(Memo& memo, const std::u16string& text) {
  if (!memo.ReadOnly()) TypeInto(memo, text);
}

void SelectPage(PageControl& pages, int index) {
  if (!Reachable(pages)) return;
  if (!ActOnWindow(pages.Handle(), Action(WindowAction::Kind::ClickTab, index)))
    pages.HandlePageSelected(index);
}

void ClickCloseBox(Form& form) {
  if (form.Border() != BorderStyle::ToolWindow || !form.IsShown() || !Reachable(form)) return;
  if (!ActOnWindow(form.Handle(), Action(WindowAction::Kind::CloseBox))) form.Close();
}

void Focus(Control& control) {
  if (!Reachable(control)) return;
  if (!ActOnWindow(control.Handle(), Action(WindowAction::Kind::Focus))) control.HandleFocus(true);
}

void MouseDown(Control& control, MouseButton button, int x, int y, uint8_t shift) {
  Mouse(control, MouseEvent::Down, button, x, y, shift);
}

void MouseMove(Control& control, int x, int y, uint8_t shift) {
  Mouse(control, MouseEvent::Move, MouseButton::Left, x, y, shift);
}

void MouseUp(Control& control, MouseButton button, int x, int y, uint8_t shift) {
  Mouse(control, MouseEvent::Up, button, x, y, shift);
}

}  // namespace toolkit::test
