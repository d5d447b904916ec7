// Owner-drawn list box with a fixed item height. Each item has a text and an
// opaque payload the list does not own. The texts are kept one after another
// in one buffer, a row repeating the text of the row before shares it: lists
// of thousands of rows fill without an allocation per row. The current item is the selected one
// in a single-selection list and the focused (caret) one in a multiple one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/canvas.h"
#include "ui/toolkit/control.h"

namespace toolkit {

class ListBox;

struct DrawItemEvent {
  int index = -1;
  Rect rect;  // the item's rectangle in the list's client area
  bool selected = false;
  bool focused = false;
};

using DrawItemHandler = std::function<void(ListBox& list, Canvas& canvas, const DrawItemEvent& e)>;
// Runs before the list's own handling; setting key to 0 suppresses that.
using KeyDownHandler = std::function<void(ListBox& list, uint16_t& key, uint8_t shift)>;

class ListBox : public Control {
 public:
  ListBox() : Control(Kind::ListBox) {}

  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height) { itemHeight_ = height; }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multi) { multiSelect_ = multi; }
  // Items are drawn off-screen first, so a repaint does not flicker.
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }

  int Count() const { return static_cast<int>(items_.size()); }
  // Valid until the items change.
  std::u16string_view ItemText(int index) const;
  void* ItemData(int index) const { return items_.at(index).data; }
  void AddItem(std::u16string_view text, void* data = nullptr);
  // Removes one item; selection flags of the others stay with their items.
  void DeleteItem(int index);
  void Clear();

  // -1 when there is none.
  int ItemIndex() const { return current_; }
  // Makes index current (and, in a single-selection list, the only selected item).
  void SetItemIndex(int index);
  bool Selected(int index) const { return items_.at(index).selected; }
  void SetSelected(int index, bool selected);
  int SelectedCount() const;

  Handler onClick;
  Handler onDoubleClick;
  DrawItemHandler onDrawItem;
  KeyDownHandler onKeyDown;

  // Draws every item through onDrawItem, as the window would.
  void Paint(Canvas& canvas);
  Rect ItemRect(int index) const;

  // Entry points for the peer.
  bool HandleKeyDown(uint16_t& key, uint8_t shift);  // false: the key was consumed
  void HandleSelectionRead(int current, const std::vector<bool>& selected);
  void HandleClick();
  void HandleDoubleClick();

 protected:
  std::unique_ptr<Peer> CreatePeer() override;

 private:
  struct Item {
    uint32_t textAt = 0;  // into texts_
    uint32_t textSize = 0;
    void* data = nullptr;
    bool selected = false;
  };
  void SelectOnly(int index);
  // Drops the texts no item refers to any more, once they outweigh the rest.
  void CompactTexts();

  std::vector<Item> items_;
  std::u16string texts_;
  int current_ = -1;
  int itemHeight_ = 16;
  bool multiSelect_ = false;
  bool doubleBuffered_ = false;
};

}  // namespace toolkit
