#include "ui/toolkit/list_box.h"

#include <algorithm>

namespace toolkit {

void ListBox::AddItem(std::u16string text, void* data) {
  items_.push_back(Item{std::move(text), data, false});
  Changed(Change::Items);
}

void ListBox::DeleteItem(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  if (current_ > index) {
    --current_;
  } else if (current_ == index) {
    // A single selection goes with its item; a caret stays in place.
    current_ = multiSelect_ ? std::min(current_, Count() - 1) : -1;
  }
  Changed(Change::Items);
}

void ListBox::Clear() {
  items_.clear();
  current_ = -1;
  Changed(Change::Items);
}

void ListBox::SelectOnly(int index) {
  for (int i = 0; i < Count(); ++i) items_[i].selected = i == index;
}

void ListBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (!multiSelect_) SelectOnly(index);
  current_ = index;
  Changed(Change::State);
}

void ListBox::SetSelected(int index, bool selected) {
  if (index < 0 || index >= Count()) return;
  if (!multiSelect_) {
    SetItemIndex(selected ? index : (current_ == index ? -1 : current_));
    return;
  }
  items_[index].selected = selected;
  Changed(Change::State);
}

int ListBox::SelectedCount() const {
  return static_cast<int>(
      std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; }));
}

void ListBox::ClickItem(int index, uint8_t shift) {
  if (index < 0 || index >= Count()) return;
  UserAction action;
  action.kind = UserAction::Kind::SelectItem;
  action.index = index;
  action.shift = shift;
  Act(action);
}

void ListBox::DoubleClickItem(int index) {
  if (index < 0 || index >= Count()) return;
  UserAction action;
  action.kind = UserAction::Kind::DoubleClick;
  action.index = index;
  Act(action);
}

void ListBox::PressKey(uint16_t key, uint8_t shift) {
  UserAction action;
  action.kind = UserAction::Kind::Key;
  action.key = key;
  action.shift = shift;
  Act(action);
}

Rect ListBox::ItemRect(int index) const {
  return Rect{0, index * itemHeight_, Bounds().Width(), (index + 1) * itemHeight_};
}

void ListBox::Paint(Canvas& canvas) {
  if (!onDrawItem) return;
  for (int i = 0; i < Count(); ++i) {
    DrawItemEvent e;
    e.index = i;
    e.rect = ItemRect(i);
    e.selected = items_[i].selected;
    e.focused = i == current_ && Focused();
    onDrawItem(*this, canvas, e);
  }
}

bool ListBox::HandleKeyDown(uint16_t& key, uint8_t shift) {
  if (onKeyDown) onKeyDown(*this, key, shift);
  return key != 0;
}

void ListBox::HandleSelectionRead(int current, const std::vector<bool>& selected) {
  for (int i = 0; i < Count() && i < static_cast<int>(selected.size()); ++i)
    items_[i].selected = selected[i];
  current_ = current < Count() ? current : -1;
}

void ListBox::HandleClick() {
  if (onClick) onClick();
}

void ListBox::HandleDoubleClick() {
  if (onDoubleClick) onDoubleClick();
}

// The list's own keyboard and mouse handling, for lists without a window.
void ListBox::MoveCurrent(int index) {
  if (Count() == 0) return;
  index = std::clamp(index, 0, Count() - 1);
  SelectOnly(index);
  current_ = index;
  Changed(Change::State);
  HandleClick();
}

void ListBox::ActHeadless(const UserAction& action) {
  switch (action.kind) {
    case UserAction::Kind::SelectItem:
      HandleFocus(true);
      if (multiSelect_ && (action.shift & kCtrl)) {
        items_[action.index].selected = !items_[action.index].selected;
        current_ = action.index;
        Changed(Change::State);
        HandleClick();
      } else {
        MoveCurrent(action.index);
      }
      break;
    case UserAction::Kind::DoubleClick:
      MoveCurrent(action.index);
      HandleDoubleClick();
      break;
    case UserAction::Kind::Key: {
      uint16_t key = action.key;
      if (!HandleKeyDown(key, action.shift)) break;
      if (key == kKeyDown) MoveCurrent(current_ + 1);
      if (key == kKeyUp) MoveCurrent(current_ < 0 ? 0 : current_ - 1);
      if (key == kKeyHome) MoveCurrent(0);
      if (key == kKeyEnd) MoveCurrent(Count() - 1);
      break;
    }
    default:
      Control::ActHeadless(action);
  }
}

}  // namespace toolkit
