// State and event rules of the simple controls, acted on as a user would.
#include "ui/toolkit/controls.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/testing/user_actions.h"

namespace toolkit {
namespace {

// A shown form holding the controls under test, so the same body runs
// against real windows when they exist.
class ControlsTest : public ::testing::Test {
 protected:
  template <class T>
  T& Add(Rect bounds, Control* parent = nullptr) {
    T& c = form.Adopt(std::make_unique<T>());
    c.SetBounds(bounds);
    c.SetParent(parent ? parent : &form);
    return c;
  }
  void SetUp() override { form.SetClientSize(300, 200); }
  void Show() { form.Show(); }

  Form form;
};

TEST_F(ControlsTest, SettingStateRunsTheClickHandlerOnlyOnChange) {
  CheckBox& box = Add<CheckBox>(Rect::FromBounds(8, 8, 120, 17));
  RadioGroup& group = Add<RadioGroup>(Rect::FromBounds(8, 30, 150, 90));
  group.SetItems({u"One", u"Two", u"Three"});
  int boxClicks = 0;
  int groupClicks = 0;
  box.onClick = [&] { ++boxClicks; };
  group.onClick = [&] { ++groupClicks; };
  Show();

  box.SetChecked(false);
  EXPECT_EQ(boxClicks, 0);
  box.SetChecked(true);
  EXPECT_EQ(boxClicks, 1);
  box.SetChecked(true);
  EXPECT_EQ(boxClicks, 1);
  toolkit::test::Click(box);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(boxClicks, 2);

  group.SetItemIndex(2);
  group.SetItemIndex(2);
  EXPECT_EQ(groupClicks, 1);
  toolkit::test::ClickItem(group, 0);
  EXPECT_EQ(group.ItemIndex(), 0);
  EXPECT_EQ(groupClicks, 2);
  toolkit::test::ClickItem(group, 0);  // the item already selected
  EXPECT_EQ(groupClicks, 2);
}

TEST_F(ControlsTest, DisabledGroupBoxDisablesEveryControlInside) {
  GroupBox& box = Add<GroupBox>(Rect::FromBounds(8, 8, 250, 120));
  CheckBox& inside = Add<CheckBox>(Rect::FromBounds(10, 16, 120, 17), &box);
  SpinEdit& spin = Add<SpinEdit>(Rect::FromBounds(10, 40, 100, 22), &box);
  spin.SetRange(30, 86400, 10);
  spin.SetValue(60);
  Button& outside = Add<Button>(Rect::FromBounds(8, 150, 75, 25));
  int clicks = 0;
  inside.onClick = [&] { ++clicks; };
  outside.onClick = [&] { ++clicks; };
  Show();

  box.SetEnabled(false);
  EXPECT_TRUE(inside.Enabled());
  EXPECT_FALSE(inside.EffectivelyEnabled());
  toolkit::test::Click(inside);
  toolkit::test::Type(spin, u"100");
  EXPECT_FALSE(inside.Checked());
  EXPECT_EQ(spin.Text(), u"60");
  toolkit::test::Click(outside);
  EXPECT_EQ(clicks, 1);

  box.SetEnabled(true);
  toolkit::test::Click(inside);
  EXPECT_TRUE(inside.Checked());
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, SpinEditReadsTextAndClampsOnSetAndOnFocusLoss) {
  SpinEdit& spin = Add<SpinEdit>(Rect::FromBounds(8, 8, 121, 22));
  Button& other = Add<Button>(Rect::FromBounds(8, 40, 75, 25));
  spin.SetRange(30, 86400, 10);
  Show();

  const struct {
    int32_t set;
    int32_t expected;
  } sets[] = {{29, 30}, {30, 30}, {500, 500}, {86400, 86400}, {86401, 86400}, {-5, 30}};
  for (const auto& c : sets) {
    spin.SetValue(c.set);
    EXPECT_EQ(spin.Value(), c.expected) << c.set;
  }

  const struct {
    const char16_t* typed;
    int32_t value;  // as read while still focused
  } texts[] = {{u"45", 45},         {u"5", 5},   {u"abc", 30}, {u"", 30},
               {u"4294967296", 30}, {u"-7", -7}, {u"12x", 30}, {u" 90 ", 90}};
  for (const auto& c : texts) {
    toolkit::test::Focus(spin);
    toolkit::test::Type(spin, c.typed);
    EXPECT_EQ(spin.Value(), c.value) << platform::ToUtf8(c.typed);
  }

  toolkit::test::Focus(spin);
  toolkit::test::Type(spin, u"5");
  toolkit::test::Focus(other);
  EXPECT_EQ(spin.Text(), u"30");
  toolkit::test::Focus(spin);
  toolkit::test::Type(spin, u"100000");
  toolkit::test::Focus(other);
  EXPECT_EQ(spin.Value(), 86400);
  spin.StepBy(-1);
  EXPECT_EQ(spin.Value(), 86390);
}

TEST_F(ControlsTest, PageControlKeepsTheChosenPageAndShowsOnlyIt) {
  PageControl& pages = Add<PageControl>(Rect::FromBounds(0, 0, 300, 200));
  TabSheet& first = Add<TabSheet>(Rect{}, &pages);
  TabSheet& second = Add<TabSheet>(Rect{}, &pages);
  first.SetCaption(u"Первая");
  second.SetCaption(u"Вторая");
  Show();
  EXPECT_EQ(pages.ActivePageIndex(), 0);
  EXPECT_TRUE(first.Visible());
  EXPECT_FALSE(second.Visible());

  toolkit::test::SelectPage(pages, 1);
  form.Close();
  form.Show();
  EXPECT_EQ(pages.ActivePage(), &second);
  EXPECT_FALSE(first.Visible());
  EXPECT_TRUE(second.Visible());
}

TEST_F(ControlsTest, MemoHoldsLinesAndIgnoresTypingWhenReadOnly) {
  Memo& memo = Add<Memo>(Rect::FromBounds(3, 3, 280, 60));
  Show();
  memo.SetLines({u"Первая ", u"вторая"});
  EXPECT_EQ(memo.Text(), u"Первая \r\nвторая");
  toolkit::test::Type(memo, u"a\r\nb\r\nc");
  EXPECT_EQ(memo.Lines(), (std::vector<std::u16string>{u"a", u"b", u"c"}));
  memo.SetReadOnly(true);
  toolkit::test::Type(memo, u"changed");
  EXPECT_EQ(memo.Lines().size(), 3u);
  memo.Clear();
  memo.AddLine(u"Автор обложки: X");
  EXPECT_EQ(memo.Text(), u"Автор обложки: X");
}

}  // namespace
}  // namespace toolkit
