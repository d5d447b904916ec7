// Forms: show, close and hide rules, message boxes owned by the form, handle
// accounting; with real windows, that the windows match the controls' state.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/platform.h"
#include "tests/support/fixture.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/handles.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/testing/painted.h"
#include "ui/toolkit/testing/screenshot.h"
#include "ui/toolkit/testing/time.h"
#include "ui/toolkit/testing/user_actions.h"
#include "ui/toolkit/timer.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace toolkit {
namespace {

// A form with one of each kind of control, as the windows use them.
struct SampleForm {
  SampleForm() {
    form->SetCaption(u"Образец");
    form->SetBorder(BorderStyle::ToolWindow);
    form->SetClientSize(431, 305);
    pages = &Add<PageControl>(Rect::FromBounds(0, 67, 431, 238), form.get());
    page = &Add<TabSheet>(Rect{}, pages);
    page->SetCaption(u"Параметры запуска");
    Add<TabSheet>(Rect{}, pages).SetCaption(u"Таймер");
    banner = &Add<PictureArea>(Rect::FromBounds(0, 0, 431, 67), form.get());
    check = &Add<CheckBox>(Rect::FromBounds(40, 32, 337, 17), page);
    check->SetCaption(u"При запуске выбирать случайный цвет обложки");
    check->SetFont(Font{u"Tahoma", 11, kBold | kUnderline});
    check->SetTabOrder(0);
    group = &Add<GroupBox>(Rect::FromBounds(16, 60, 393, 97), page);
    group->SetCaption(u"Настройки таймера: ");
    spin = &Add<SpinEdit>(Rect::FromBounds(16, 43, 121, 22), group);
    spin->SetRange(30, 86400, 10);
    spin->SetTabOrder(0);
    radio = &Add<RadioGroup>(Rect::FromBounds(200, 10, 185, 50), group);
    radio->SetItems({u"Отсутствует", u"Весь диапазон"});
    list = &Add<ListBox>(Rect::FromBounds(250, 160, 150, 40), page);
    list->SetItemHeight(20);
    list->SetDoubleBuffered(true);
    list->onDrawItem = [](ListBox&, Canvas& c, const DrawItemEvent& e) {
      c.FillRect(e.rect, Brush{Brush::Style::Solid, e.index == 0 ? 0x00FFFFu : 0xFF0000u});
    };
    button = &Add<Button>(Rect::FromBounds(160, 160, 26, 25), page);
    button->SetCaption(u"6");
    button->SetFont(Font{u"Webdings", 11, kRegular});
    swatch = &Add<CustomControl>(Rect::FromBounds(24, 170, 41, 25), page);
    swatch->onPaint = [this](Canvas& c) {
      c.FillRect(Rect{0, 0, 41, 25}, Brush{Brush::Style::Solid, swatchColor});
    };
    form->Create();
  }
  template <class T>
  T& Add(Rect bounds, Control* parent) {
    T& c = form->Adopt(std::make_unique<T>());
    c.SetBounds(bounds);
    c.SetParent(parent);
    return c;
  }

  std::unique_ptr<Form> form = std::make_unique<Form>();
  PageControl* pages;
  TabSheet* page;
  PictureArea* banner;
  CheckBox* check;
  GroupBox* group;
  SpinEdit* spin;
  RadioGroup* radio;
  ListBox* list;
  Button* button;
  CustomControl* swatch;
  uint32_t swatchColor = 0x0000FF;
};

TEST(WindowTest, CloseRunsTheHandlerAndHidesWhileHideDoesNot) {
  SampleForm s;
  std::vector<std::string> events;
  s.form->onShow = [&] { events.push_back("show"); };
  s.form->onClose = [&] { events.push_back("close"); };
  s.form->onDestroy = [&] { events.push_back("destroy"); };

  s.form->Show();
  s.form->Show();  // already shown: only brought to the top
  EXPECT_TRUE(s.form->IsShown());
  toolkit::test::ClickCloseBox(*s.form);
  EXPECT_FALSE(s.form->IsShown());
  s.form->Show();
  s.form->Hide();
  s.form->Destroy();
  EXPECT_EQ(events, (std::vector<std::string>{"show", "close", "show", "destroy"}));
}

TEST(WindowTest, DialogKeyHookLivesWhileAModelessFormIsShown) {
  SampleForm a;
  SampleForm b;
  a.form->Show();
  b.form->Show();
  a.form->Hide();
  EXPECT_EQ(DialogKeyHookInstalled(), PeersEnabled());
  toolkit::test::ClickCloseBox(*b.form);
  EXPECT_FALSE(DialogKeyHookInstalled());
}

TEST(WindowTest, MessageBoxesAreOwnedByTheForm) {
  SampleForm s;
  fixture::MessageBoxRecorder boxes;
  s.form->Show();
  s.form->ShowMessage(u"Совершена неверная операция, нечего добавлять", platform::kMbIconError);
  s.form->ShowMessage(u"Не выбрана", u"Ошибка выборки", platform::kMbIconInformation);
  ASSERT_EQ(boxes.calls.size(), 2u);
  EXPECT_EQ(boxes.calls[0].owner, s.form->Handle());
  EXPECT_FALSE(boxes.calls[0].hasCaption);
  EXPECT_EQ(boxes.calls[0].flags, platform::kMbIconError);
  EXPECT_TRUE(boxes.calls[1].hasCaption);
  EXPECT_EQ(boxes.calls[1].caption, u"Ошибка выборки");
}

TEST(WindowTest, HandlesReturnToZeroAfterFormsAreDestroyed) {
  const HandleCounts before = LiveHandles();
  for (int round = 0; round < 3; ++round) {
    SampleForm s;
    s.form->Show();
    s.banner->SetPicture(Picture{2, 2, false, {1, 2, 3, 4}});
    s.swatch->PaintNow();
    s.list->AddItem(u"SkinName");
    if (PeersEnabled()) {
      EXPECT_GT(LiveHandles().user, before.user);
      EXPECT_GT(LiveHandles().gdi, before.gdi);
    }
    s.form->Destroy();
    EXPECT_EQ(LiveHandles().user, before.user);
  }
  EXPECT_EQ(LiveHandles().user, before.user);
  EXPECT_EQ(LiveHandles().gdi, before.gdi);
}

TEST(WindowTest, SwatchPaintsAtOnceAndPictureAreaKeepsItsDrawing) {
  SampleForm s;
  s.form->Show();
  s.swatchColor = 0x00FF00;
  s.swatch->PaintNow();
  test::RecordingCanvas& banner = test::Drawings(*s.banner);
  s.banner->SetPicture(Picture{1, 1, false, {0x123456}});
  s.banner->Draw([](Canvas& c) { c.FillRect(Rect{1, 0, 3, 2}, Brush{Brush::Style::Solid, 0}); });
  EXPECT_EQ(banner.PixelAt(0, 0), 0x123456u);
  EXPECT_EQ(banner.PixelAt(2, 1), 0u);
#ifdef _WIN32
  if (PeersEnabled()) {
    HDC dc = GetDC(static_cast<HWND>(s.swatch->Handle()));
    EXPECT_EQ(GetPixel(dc, 5, 5), 0x00FF00u);
    ReleaseDC(static_cast<HWND>(s.swatch->Handle()), dc);
    // The window shows what its surface kept.
    test::PumpMessages(100);
    HDC area = GetDC(static_cast<HWND>(s.banner->Handle()));
    EXPECT_EQ(GetPixel(area, 0, 0), 0x123456u);
    EXPECT_EQ(GetPixel(area, 2, 1), 0u);
    ReleaseDC(static_cast<HWND>(s.banner->Handle()), area);
  }
#else
  EXPECT_EQ(test::Painted(*s.swatch).PixelAt(5, 5), 0x00FF00u);
#endif
}

TEST(WindowTest, DraggingAChildButtonFollowsThePointerUnderCapture) {
  SampleForm s;
  Button& thumb = s.Add<Button>(Rect::FromBounds(0, 0, 15, 15), s.swatch);
  bool dragging = false;
  int grab = 0;
  std::vector<int> lefts;
  thumb.onMouseDown = [&](MouseButton, uint8_t, int x, int) {
    thumb.SetCapture();
    dragging = true;
    grab = x;
  };
  thumb.onMouseMove = [&](uint8_t, int x, int) {
    if (!dragging) return;
    const int left = std::clamp(thumb.Bounds().left + x - grab, 0, 41 - 15);
    thumb.MoveTo(left, 0);
    lefts.push_back(left);
  };
  thumb.onMouseUp = [&](MouseButton, uint8_t, int, int) {
    thumb.ReleaseCapture();
    dragging = false;
  };
  s.form->Show();

  toolkit::test::MouseDown(thumb, MouseButton::Right, 5, 5);
  EXPECT_TRUE(thumb.HasCapture());
  toolkit::test::MouseMove(thumb, 9, 5);    // grabbed point 4 to the right
  toolkit::test::MouseMove(thumb, -40, 5);  // past the left end
  toolkit::test::MouseMove(thumb, 500, 5);  // past the right end
  toolkit::test::MouseUp(thumb, MouseButton::Right, 500, 5);
  EXPECT_FALSE(thumb.HasCapture());
  toolkit::test::MouseMove(thumb, 3, 5);  // no longer dragging
  EXPECT_EQ(lefts, (std::vector<int>{4, 0, 26}));
  EXPECT_EQ(thumb.Bounds().left, 26);
#ifdef _WIN32
  if (PeersEnabled()) {
    HWND hwnd = static_cast<HWND>(thumb.Handle());
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 26);
    EXPECT_EQ(GetCapture(), nullptr);
  }
#endif
}

#ifdef _WIN32
Rect ClientRectOf(const Control& c) {
  RECT r;
  GetWindowRect(static_cast<HWND>(c.Handle()), &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(static_cast<HWND>(c.Handle())),
                  reinterpret_cast<POINT*>(&r), 2);
  return Rect{r.left, r.top, r.right, r.bottom};
}

TEST(RealWindowTest, WindowsMatchTheControls) {
  if (!PeersEnabled()) GTEST_SKIP();
  SampleForm s;
  s.form->Show();
  HWND form = static_cast<HWND>(s.form->Handle());
  RECT client;
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 431);
  EXPECT_EQ(client.bottom, 305);
  EXPECT_TRUE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(form));
  wchar_t caption[64] = {};
  GetWindowTextW(form, caption, 64);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(caption)), u"Образец");

  EXPECT_EQ(ClientRectOf(*s.check), s.check->Bounds());
  EXPECT_EQ(ClientRectOf(*s.spin), s.spin->Bounds());
  EXPECT_EQ(ClientRectOf(*s.banner), s.banner->Bounds());

  HWND check = static_cast<HWND>(s.check->Handle());
  s.check->SetChecked(true);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  toolkit::test::Click(*s.check);  // a real BM_CLICK comes back as the model's click
  EXPECT_FALSE(s.check->Checked());
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);

  s.group->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(static_cast<HWND>(s.spin->Handle())));
  s.group->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(static_cast<HWND>(s.spin->Handle())));

  s.spin->SetValue(5);
  wchar_t text[32] = {};
  GetWindowTextW(static_cast<HWND>(s.spin->Handle()), text, 32);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"30");

  s.list->AddItem(u"a");
  s.list->AddItem(u"b");
  toolkit::test::ClickItem(*s.list, 1);
  EXPECT_EQ(SendMessageW(static_cast<HWND>(s.list->Handle()), LB_GETCURSEL, 0, 0), 1);
  s.list->SetItemIndex(0);
  EXPECT_EQ(SendMessageW(static_cast<HWND>(s.list->Handle()), LB_GETCURSEL, 0, 0), 0);

  toolkit::test::SelectPage(*s.pages, 1);
  EXPECT_FALSE(IsWindowVisible(static_cast<HWND>(s.page->Handle())));
  toolkit::test::SelectPage(*s.pages, 0);
  EXPECT_TRUE(IsWindowVisible(static_cast<HWND>(s.page->Handle())));

  test::PumpMessages(100);
  {
    HWND list = static_cast<HWND>(s.list->Handle());
    HDC dc = GetDC(list);
    EXPECT_EQ(GetPixel(dc, 10, 10), 0x00FFFFu);  // drawn off-screen, then copied
    EXPECT_EQ(GetPixel(dc, 10, 30), 0xFF0000u);
    ReleaseDC(list, dc);
  }
  EXPECT_TRUE(test::SaveScreenshot(*s.form, platform::ExecutableFolder() + u"toolkit_sample.bmp"));
  EXPECT_FALSE(test::CaptureWindow(*s.form).Empty());
}

// The host's loop knows nothing of our windows; the hook still gives Tab its meaning.
TEST(RealWindowTest, TabMovesTheFocusInAModelessFormUnderAForeignLoop) {
  if (!PeersEnabled()) GTEST_SKIP();
  SampleForm s;
  s.form->Show();
  toolkit::test::Focus(*s.check);
  HWND check = static_cast<HWND>(s.check->Handle());
  ASSERT_EQ(GetFocus(), check);
  PostMessageW(check, WM_KEYDOWN, VK_TAB, 0x000F0001);
  PostMessageW(check, WM_KEYUP, VK_TAB, 0xC00F0001);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  EXPECT_EQ(GetFocus(), static_cast<HWND>(s.spin->Handle()));
  EXPECT_TRUE(s.spin->Focused());
}

// A control asks its parent window what it would ask a dialog; whichever
// container it sits in answers for the whole window.
TEST(RealWindowTest, EveryContainerAnswersAsTheWindowsDialog) {
  if (!PeersEnabled()) GTEST_SKIP();
  SampleForm s;
  s.form->Show();
  HWND check = static_cast<HWND>(s.check->Handle());
  HWND spin = static_cast<HWND>(s.spin->Handle());
  HWND button = static_cast<HWND>(s.button->Handle());
  const Control* containers[] = {s.form.get(), s.pages, s.page, s.group, s.radio};
  for (const Control* c : containers) {
    SCOPED_TRACE(static_cast<int>(c->GetKind()));
    HWND container = static_cast<HWND>(c->Handle());
    // Esc in a multi-line edit: neither the container nor the window goes.
    SendMessageW(container, WM_CLOSE, 0, 0);
    ASSERT_TRUE(IsWindow(container));
    EXPECT_TRUE(IsWindowVisible(static_cast<HWND>(s.page->Handle())));
    EXPECT_TRUE(s.form->IsShown());

    SetFocus(check);
    SendMessageW(container, WM_NEXTDLGCTL, 0, FALSE);  // Tab
    EXPECT_EQ(GetFocus(), spin);
    SendMessageW(container, WM_NEXTDLGCTL, 1, FALSE);  // Shift+Tab
    EXPECT_EQ(GetFocus(), check);
    SendMessageW(container, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
    EXPECT_EQ(GetFocus(), button);

    EXPECT_EQ(SendMessageW(container, DM_GETDEFID, 0, 0), 0);  // no default button
    EXPECT_TRUE(SendMessageW(container, DM_SETDEFID, 1234, 0));
    EXPECT_EQ(SendMessageW(static_cast<HWND>(s.page->Handle()), DM_GETDEFID, 0, 0),
              MAKELRESULT(1234, DC_HASDEFID));
    SendMessageW(container, DM_SETDEFID, 0, 0);
  }
}

TEST(RealWindowTest, ModalShowDisablesTheOtherWindows) {
  if (!PeersEnabled()) GTEST_SKIP();
  SampleForm owner;
  owner.form->Show();
  Form modal;
  modal.SetClientSize(100, 50);
  Timer timer;
  bool ownerEnabled = true;
  timer.onTimer = [&] {
    ownerEnabled = IsWindowEnabled(static_cast<HWND>(owner.form->Handle()));
    modal.Close();
  };
  timer.SetInterval(20);
  timer.SetEnabled(true);
  modal.ShowModal();
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(static_cast<HWND>(owner.form->Handle())));
}
#endif

}  // namespace
}  // namespace toolkit
