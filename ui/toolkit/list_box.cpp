#include "ui/toolkit/list_box.h"

#include <algorithm>

namespace toolkit {

std::u16string_view ListBox::ItemText(int index) const {
  const Item& item = items_.at(index);
  return std::u16string_view(texts_).substr(item.textAt, item.textSize);
}

void ListBox::AddItem(std::u16string_view text, void* data) {
  Item item{static_cast<uint32_t>(texts_.size()), static_cast<uint32_t>(text.size()), data, false};
  if (!items_.empty() && ItemText(Count() - 1) == text) {
    item.textAt = items_.back().textAt;
  } else {
    texts_.append(text);
  }
  items_.push_back(item);
  Changed(Change::Items);
}

void ListBox::CompactTexts() {
  size_t used = 0;
  for (const Item& item : items_) used += item.textSize;
  if (texts_.size() <= 2 * used + 256) return;
  std::u16string kept;
  kept.reserve(used);
  for (size_t i = 0; i < items_.size(); ++i) {
    Item& item = items_[i];
    const std::u16string_view text = std::u16string_view(texts_).substr(item.textAt, item.textSize);
    if (i > 0 && items_[i - 1].textSize == item.textSize &&
        std::u16string_view(kept).substr(items_[i - 1].textAt, item.textSize) == text) {
      item.textAt = items_[i - 1].textAt;
      continue;
    }
    item.textAt = static_cast<uint32_t>(kept.size());
    kept.append(text);
  }
  texts_ = std::move(kept);
}

void ListBox::DeleteItem(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  CompactTexts();
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
  texts_.clear();
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
