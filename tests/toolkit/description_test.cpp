// A small form built from its description: typed control pointers, initial
// values, parents, tab order and event wiring through member pointers.
#include "ui/toolkit/description.h"

#include <gtest/gtest.h>

#include "ui/toolkit/testing/user_actions.h"

namespace toolkit {
namespace {

class TDemoForm : public Form {
 public:
  TDemoForm();
  ~TDemoForm() override { Destroy(); }

  PageControl* Pages = nullptr;
  TabSheet* MainPage = nullptr;
  TabSheet* TimerPage = nullptr;
  CheckBox* StartChk = nullptr;
  RadioGroup* ModeGroup = nullptr;
  Button* PickBtn = nullptr;
  CheckBox* TimerChk = nullptr;
  GroupBox* TimerOptions = nullptr;
  SpinEdit* TimerInterval = nullptr;
  Memo* InfoMmo = nullptr;
  ListBox* ItemsList = nullptr;

  std::vector<std::string> calls;
  void FormCreate() { calls.push_back("FormCreate"); }
  void FormShow() { calls.push_back("FormShow"); }
  void FormClose() { calls.push_back("FormClose"); }
  void FormDestroy() { calls.push_back("FormDestroy"); }
  void StartChkClick() { calls.push_back("StartChkClick"); }
  void ModeGroupClick() { PickBtn->SetEnabled(ModeGroup->ItemIndex() == 2); }
  void PickBtnClick() { calls.push_back("PickBtnClick"); }
  void TimerChkClick() { TimerOptions->SetEnabled(TimerChk->Checked()); }
  void ItemsListKeyDown(ListBox&, uint16_t& key, uint8_t) {
    if (key == kKeyDelete) calls.push_back("Delete");
  }
  void ItemsListDrawItem(ListBox&, Canvas&, const DrawItemEvent&) {}
};

const WindowDescription<TDemoForm>& DemoDescription() {
  using F = TDemoForm;
  static const WindowDescription<F> description{
      FormSpec{u"Демо", BorderStyle::ToolWindow, 320, 240, true, Font{}},
      {&F::FormCreate, &F::FormShow, &F::FormClose, &F::FormDestroy},
      {
          Describe(&F::Pages, "Pages").At(0, 0, 320, 240),
          Describe(&F::MainPage, "MainPage").In("Pages").Caption(u"Главная"),
          Describe(&F::TimerPage, "TimerPage").In("Pages").Caption(u"Таймер"),
          Describe(&F::StartChk, "StartChk")
              .In("MainPage")
              .At(40, 32, 200, 17)
              .Caption(u"При запуске")
              .Style(kBold | kUnderline)
              .Tab(1)
              .Checked(true)
              .OnClick(&F::StartChkClick),
          Describe(&F::ModeGroup, "ModeGroup")
              .In("MainPage")
              .At(16, 60, 185, 105)
              .Caption(u"Режим: ")
              .Items({u"Отсутствует", u"Весь диапазон", u"Выборочный"})
              .Selected(0)
              .Tab(0)
              .OnClick(&F::ModeGroupClick),
          Describe(&F::PickBtn, "PickBtn")
              .In("MainPage")
              .At(210, 140, 75, 25)
              .Caption(u"Выбрать...")
              .Tab(2)
              .Disabled()
              .OnClick(&F::PickBtnClick),
          Describe(&F::TimerChk, "TimerChk")
              .In("TimerPage")
              .At(16, 16, 121, 17)
              .Caption(u"Включить таймер")
              .Tab(2)
              .OnClick(&F::TimerChkClick),
          Describe(&F::TimerOptions, "TimerOptions")
              .In("TimerPage")
              .At(16, 38, 280, 97)
              .Caption(u"Настройки таймера: ")
              .Style(kBold)
              .Tab(1)
              .Disabled(),
          Describe(&F::TimerInterval, "TimerInterval")
              .In("TimerOptions")
              .At(16, 43, 121, 22)
              .Style(kBold)
              .Range(30, 86400, 10)
              .Value(30)
              .Tab(0),
          Describe(&F::InfoMmo, "InfoMmo")
              .In("TimerPage")
              .At(3, 140, 300, 47)
              .ReadOnly()
              .Lines({u"Первая строка ", u"вторая."}),
          Describe(&F::ItemsList, "ItemsList")
              .In("MainPage")
              .At(210, 10, 90, 120)
              .ItemHeight(20)
              .MultiSelect()
              .Tab(3)
              .OnKeyDown(&F::ItemsListKeyDown)
              .OnDrawItem(&F::ItemsListDrawItem),
      }};
  return description;
}

TDemoForm::TDemoForm() {
  Bind(*this, DemoDescription());
}

TEST(DescriptionTest, BindsTypedControlsWithTheirPlaceAndInitialValues) {
  TDemoForm form;
  ASSERT_NE(form.StartChk, nullptr);
  EXPECT_EQ(form.FindControl("StartChk"), form.StartChk);
  EXPECT_EQ(form.StartChk->Parent(), form.MainPage);
  EXPECT_EQ(form.TimerInterval->Parent(), form.TimerOptions);
  EXPECT_EQ(form.StartChk->Bounds(), Rect::FromBounds(40, 32, 200, 17));
  EXPECT_EQ(form.StartChk->GetFont(), (Font{u"Tahoma", 11, kBold | kUnderline}));
  EXPECT_TRUE(form.StartChk->Checked());
  EXPECT_EQ(form.ModeGroup->Items().size(), 3u);
  EXPECT_FALSE(form.TimerInterval->EffectivelyEnabled());
  EXPECT_EQ(form.TimerInterval->Value(), 30);
  EXPECT_TRUE(form.InfoMmo->ReadOnly());
  EXPECT_EQ(form.InfoMmo->Lines()[0], u"Первая строка ");
  EXPECT_EQ(form.ItemsList->ItemHeight(), 20);
  EXPECT_EQ(form.Caption(), u"Демо");
  EXPECT_EQ(form.ClientSize().width, 320);

  std::vector<std::string> order;
  for (Control* c : form.MainPage->ChildrenInTabOrder()) order.push_back(c->Name());
  EXPECT_EQ(order, (std::vector<std::string>{"ModeGroup", "StartChk", "PickBtn", "ItemsList"}));
  // Initial values are set before the wiring, so they run no handler.
  EXPECT_EQ(form.calls, std::vector<std::string>{"FormCreate"});
}

TEST(DescriptionTest, WiredHandlersRunOnUserActions) {
  TDemoForm form;
  form.Show();
  toolkit::test::Click(*form.PickBtn);  // disabled
  toolkit::test::ClickItem(*form.ModeGroup, 2);
  toolkit::test::Click(*form.PickBtn);
  toolkit::test::Click(*form.StartChk);
  toolkit::test::SelectPage(*form.Pages, 1);
  toolkit::test::Click(*form.TimerChk);
  EXPECT_TRUE(form.TimerInterval->EffectivelyEnabled());
  form.ItemsList->AddItem(u"one");
  toolkit::test::ClickItem(*form.ItemsList, 0);
  toolkit::test::PressKey(*form.ItemsList, kKeyDelete);
  toolkit::test::ClickCloseBox(form);
  form.Destroy();
  EXPECT_EQ(form.calls,
            (std::vector<std::string>{"FormCreate", "FormShow", "PickBtnClick", "StartChkClick",
                                      "Delete", "FormClose", "FormDestroy"}));
}

}  // namespace
}  // namespace toolkit
