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

}  // namespace toolkit
