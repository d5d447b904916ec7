// Owner-drawn list boxes: selection, current item, keys before the list's own
// handling, clicks and draw-item events.
#include "ui/toolkit/list_box.h"

#include <gtest/gtest.h>

#include "ui/toolkit/form.h"
#include "ui/toolkit/testing/recording_canvas.h"
#include "ui/toolkit/testing/user_actions.h"

namespace toolkit {
namespace {

class ListBoxTest : public ::testing::Test {
 protected:
  ListBox& MakeList(bool multi, int items) {
    form.SetClientSize(240, 260);
    ListBox& list = form.Adopt(std::make_unique<ListBox>());
    list.SetBounds(Rect::FromBounds(8, 8, 178, 200));
    list.SetItemHeight(20);
    list.SetMultiSelect(multi);
    list.SetParent(&form);
    for (int i = 0; i < items; ++i) list.AddItem(u"SkinName", &payloads[i]);
    list.onClick = [this] { ++clicks; };
    list.onDoubleClick = [this] { ++doubleClicks; };
    form.Show();
    return list;
  }

  Form form;
  int payloads[8] = {};
  int clicks = 0;
  int doubleClicks = 0;
};

TEST_F(ListBoxTest, ClickingSelectsAndMakesCurrent) {
  ListBox& list = MakeList(false, 4);
  EXPECT_EQ(list.ItemIndex(), -1);
  toolkit::test::ClickItem(list, 2);
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_TRUE(list.Selected(2));
  EXPECT_EQ(list.ItemData(2), &payloads[2]);
  EXPECT_EQ(clicks, 1);
  toolkit::test::ClickItem(list, 1);
  EXPECT_EQ(list.SelectedCount(), 1);
  toolkit::test::DoubleClickItem(list, 3);
  EXPECT_EQ(list.ItemIndex(), 3);
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ListBoxTest, MultipleSelectionKeepsOtherSelectedItemsWhenOneIsDeleted) {
  ListBox& list = MakeList(true, 4);
  toolkit::test::ClickItem(list, 0);
  toolkit::test::ClickItem(list, 2, kCtrl);
  toolkit::test::ClickItem(list, 3, kCtrl);
  EXPECT_EQ(list.ItemIndex(), 3);
  EXPECT_EQ(list.SelectedCount(), 3);

  list.DeleteItem(2);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_TRUE(list.Selected(0));
  EXPECT_FALSE(list.Selected(1));
  EXPECT_TRUE(list.Selected(2));  // the former item 3
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(list.ItemData(2), &payloads[3]);
}

TEST_F(ListBoxTest, KeyHandlerRunsFirstAndCanConsumeTheKey) {
  ListBox& list = MakeList(false, 3);
  std::vector<uint16_t> seen;
  list.onKeyDown = [&](ListBox& l, uint16_t& key, uint8_t) {
    seen.push_back(key);
    EXPECT_EQ(l.ItemIndex(), 0);  // before the list moved
    if (key == kKeyDelete) key = 0;
  };
  toolkit::test::ClickItem(list, 0);
  toolkit::test::Focus(list);
  toolkit::test::PressKey(list, kKeyDelete);
  EXPECT_EQ(list.ItemIndex(), 0);
  toolkit::test::PressKey(list, kKeyDown);
  EXPECT_EQ(seen, (std::vector<uint16_t>{kKeyDelete, kKeyDown}));
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_GE(clicks, 2);  // moving with the keyboard is reported like a click
}

TEST_F(ListBoxTest, DrawItemGetsIndexRectAndState) {
  ListBox& list = MakeList(false, 3);
  toolkit::test::ClickItem(list, 1);
  toolkit::test::Focus(list);
  std::vector<DrawItemEvent> events;
  list.onDrawItem = [&](ListBox&, Canvas& canvas, const DrawItemEvent& e) {
    events.push_back(e);
    canvas.FillRect(e.rect, Brush{Brush::Style::Solid, e.selected ? 0x0000FFu : 0x00FF00u});
  };
  test::RecordingCanvas canvas(178, 200);
  list.Paint(canvas);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].rect, Rect::FromBounds(0, 20, 178, 20));
  EXPECT_TRUE(events[1].selected);
  EXPECT_TRUE(events[1].focused);
  EXPECT_FALSE(events[2].selected || events[2].focused);
  EXPECT_EQ(canvas.PixelAt(5, 25), 0x0000FFu);
  EXPECT_EQ(canvas.PixelAt(5, 45), 0x00FF00u);
  EXPECT_EQ(canvas.PixelAt(5, 65), 0xFFFFFFu);
}

TEST_F(ListBoxTest, DeletingOrClearingLeavesNoStaleCurrentItem) {
  ListBox& list = MakeList(false, 2);
  toolkit::test::ClickItem(list, 1);
  list.DeleteItem(1);
  EXPECT_EQ(list.ItemIndex(), -1);
  toolkit::test::ClickItem(list, 0);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.ItemIndex(), -1);
  toolkit::test::PressKey(list, kKeyDown);  // nothing to move to
  EXPECT_EQ(list.ItemIndex(), -1);
}

// The texts live in one buffer that rows repeating their neighbour share and
// deletions compact: every row keeps its own text through all of it.
TEST(ListBoxTexts, EveryRowKeepsItsTextThroughAddsDeletesAndClears) {
  ListBox list;
  std::vector<std::u16string> model;
  auto add = [&](std::u16string text) {
    list.AddItem(text);
    model.push_back(std::move(text));
  };
  auto expectModel = [&](const char* when) {
    ASSERT_EQ(list.Count(), static_cast<int>(model.size())) << when;
    for (int i = 0; i < list.Count(); ++i)
      EXPECT_EQ(list.ItemText(i), model[i]) << when << " " << i;
  };
  for (int i = 0; i < 600; ++i) {
    add(i % 3 == 0 ? u"SkinName" : u"row " + std::u16string(i % 7, u'x'));
    if (i % 5 == 0) add(u"");
  }
  expectModel("added");
  // From the front, from the middle, the last row: enough for the buffer to be compacted.
  for (int i = 0; i < 500; ++i) {
    const int at = i % 3 == 0 ? 0 : i % 3 == 1 ? list.Count() / 2 : list.Count() - 1;
    list.DeleteItem(at);
    model.erase(model.begin() + at);
  }
  expectModel("deleted");
  add(u"SkinName");
  add(u"SkinName");
  expectModel("added again");
  list.Clear();
  model.clear();
  add(u"16777215");
  expectModel("cleared");
}

}  // namespace
}  // namespace toolkit
