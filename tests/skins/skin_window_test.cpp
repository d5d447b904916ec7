// The skin selection window: filling, drawing rows, showing a skin, adding,
// removing, confirming and cancelling, and the entries the rows share.
#include "ui/skins/skin_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "core/randomiser.h"
#include "fake_player/services.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "preview_bitmap.h"
#include "tests/support/fixture.h"
#include "tests/support/screen_pixel.h"
#include "ui/toolkit/peer.h"
#include "ui/toolkit/testing/painted.h"
#include "ui/toolkit/testing/recording_canvas.h"
#include "ui/toolkit/testing/screenshot.h"
#include "ui/toolkit/testing/time.h"
#include "ui/toolkit/testing/user_actions.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kaleidra {
namespace {

using toolkit::SysColor;
using toolkit::SystemColor;

constexpr uint32_t kEvenRow = 9356031;  // 0x008EC2FF
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kBlue = 0xC04000;
constexpr uint32_t kGreen = 0x20A020;

class SkinWindowTest : public ::testing::Test {
 protected:
  SkinWindowTest() {
    service.skins[u""] = {u"Плеер", u"Стандартная", u"Встроенная обложка", blue.Handle()};
    service.AddRef();
    kaleidra::SkinsService = host::HostRef<host::IAIMPSkinsService>(&service);
  }
  ~SkinWindowTest() override {
    form.reset();
    kaleidra::SkinsService.Reset();
  }

  // A skin file in Skins\ that the service describes (or refuses).
  void Skin(const std::string& file, void* preview = nullptr, bool refused = false) {
    folder.Write("Skins\\" + file, "");
    const std::u16string name = platform::FromUtf8(file);
    service.skins[name] = {u"Автор " + name, u"Имя " + name, u"Описание " + name, preview};
    if (refused) service.refused.insert(name);
  }

  TSkinListForm& Open() {
    form = std::make_unique<TSkinListForm>();
    form->Show();
    return *form;
  }

  // The SkinList row of a file (rows follow the directory order).
  int Row(const std::u16string& file) const {
    for (int i = 0; i < form->SkinList->Count(); ++i)
      if (form->SkinList->Entry(i) && form->SkinList->Entry(i)->FileName == file) return i;
    return -1;
  }

  std::vector<std::u16string> Selection() const {
    std::vector<std::u16string> names;
    for (int i = 0; i < form->SelSkinList->Count(); ++i)
      names.emplace_back(form->SelSkinList->Entry(i)->FileName);
    return names;
  }

  // As the lists file loads it.
  void Select(std::initializer_list<std::u16string> names) {
    for (const auto& name : names) kaleidra::AddSkinItem(*form->SelSkinList, name);
  }

  fixture::PlayerFolder folder;
  fake_player::SkinsService service;
  fixture::MessageBoxRecorder boxes;
  fixture::TestPreview blue{kBlue, 40, 30};
  fixture::TestPreview green{kGreen, 16, 16};
  std::unique_ptr<TSkinListForm> form;
};

TEST_F(SkinWindowTest, ListsTheBuiltInSkinThenAcs2ThenAcs3Files) {
  for (const char* file : {"b.acs3", "a.acs2", "c.acs3", "d.acs2", "notes.txt", "e.acs"})
    Skin(file);
  Open();
  ASSERT_EQ(form->SkinList->Count(), 5);
  EXPECT_EQ(form->SkinList->Entry(0)->FileName, u"");
  EXPECT_EQ(form->SkinList->Entry(0)->Name, u"Стандартная");
  auto names = [&](int first) {
    return std::set<std::u16string>{std::u16string(form->SkinList->Entry(first)->FileName),
                                    std::u16string(form->SkinList->Entry(first + 1)->FileName)};
  };
  EXPECT_EQ(names(1), (std::set<std::u16string>{u"a.acs2", u"d.acs2"}));
  EXPECT_EQ(names(3), (std::set<std::u16string>{u"b.acs3", u"c.acs3"}));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form->SkinList->ItemText(i), u"SkinName");
  EXPECT_EQ(service.infoRequests.size(), 5u);  // once per skin
}

TEST_F(SkinWindowTest, EmptyFolderGivesTheBuiltInSkinOnAnEvenRow) {
  Open();
  ASSERT_EQ(form->SkinList->Count(), 1);
  toolkit::test::RecordingCanvas canvas(178, 147);
  form->SkinList->Paint(canvas);
  EXPECT_EQ(canvas.PixelAt(170, 40), kEvenRow);
  EXPECT_EQ(canvas.PixelAt(170, 60), 0xFFFFFFu);  // below the only row: untouched
}

// Row 0 even, 1 odd, 2 selected, 3 refused by the service, 4 without preview.
class SkinRowsTest : public SkinWindowTest {
 protected:
  SkinRowsTest() {
    Skin("1.acs3", green.Handle());
    Skin("2.acs3", green.Handle());
    Skin("3.acs3", nullptr, true);
    Skin("4.acs3");
    Open();
    // The directory order is the system's; move rows into a known order.
    std::vector<std::pair<std::u16string, kaleidra::SkinEntryRef>> rows;
    for (int i = 0; i < form->SkinList->Count(); ++i)
      rows.emplace_back(form->SkinList->Entry(i) ? form->SkinList->Entry(i)->FileName : u"3.acs3",
                        form->SkinList->Entry(i));
    std::sort(rows.begin(), rows.end());
    kaleidra::SkinItemVector sorted;
    for (auto& row : rows) sorted.Append(u"SkinName", row.second);
    form->SkinList->ReplaceItems(sorted);
    toolkit::test::ClickItem(*form->SkinList, 2);
    toolkit::test::Focus(*form->SkinList);
  }
  static int Top(int row) { return row * 50; }
};

TEST_F(SkinRowsTest, RowsOnTheTestCanvas) {
  toolkit::test::RecordingCanvas canvas(178, 250);
  form->SkinList->Paint(canvas);
  const uint32_t window = SystemColor(SysColor::Window);
  const uint32_t highlight = SystemColor(SysColor::Highlight);
  const uint32_t backgrounds[] = {kEvenRow, window, highlight, window, kEvenRow};
  for (int row = 0; row < 5; ++row) EXPECT_EQ(canvas.PixelAt(170, Top(row) + 40), backgrounds[row]);
  // Framed thumbnails stretched from the preview; the frame keeps the row colour without one.
  EXPECT_EQ(canvas.PixelAt(5, Top(0) + 25), kBlack);
  EXPECT_EQ(canvas.PixelAt(44, Top(0) + 25), kBlack);
  EXPECT_EQ(canvas.PixelAt(25, Top(4) + 25), kEvenRow);
  EXPECT_EQ(canvas.PixelAt(5, Top(4) + 25), kBlack);
  // The refused skin's row has its background only.
  EXPECT_EQ(canvas.PixelAt(5, Top(3) + 25), window);

  std::vector<toolkit::test::CanvasOp> texts;
  std::vector<toolkit::Rect> focus;
  std::vector<std::pair<void*, toolkit::Rect>> thumbnails;
  for (const auto& op : canvas.Ops()) {
    if (op.kind == toolkit::test::CanvasOp::Kind::Text) texts.push_back(op);
    if (op.kind == toolkit::test::CanvasOp::Kind::FocusRect) focus.push_back(op.rect);
    if (op.kind == toolkit::test::CanvasOp::Kind::Bitmap)
      thumbnails.emplace_back(op.bitmap, op.rect);
  }
  auto thumbnail = [](void* preview, int row) {
    return std::make_pair(preview, toolkit::Rect::FromBounds(6, Top(row) + 6, 38, 38));
  };
  EXPECT_EQ(thumbnails, (std::vector<std::pair<void*, toolkit::Rect>>{
                            thumbnail(blue.Handle(), 0), thumbnail(green.Handle(), 1),
                            thumbnail(green.Handle(), 2)}));
  ASSERT_EQ(texts.size(), 8u);  // name and author of the four rows with an entry
  const int h = toolkit::test::HeadlessTextExtent(u"h", form->SkinList->GetFont()).height;
  const toolkit::test::CanvasOp& name = texts[4];  // row 2, selected
  const toolkit::test::CanvasOp& author = texts[5];
  EXPECT_EQ(name.text, u"Имя 2.acs3");
  EXPECT_EQ(name.font.style, toolkit::kBold);
  EXPECT_EQ(name.rect.left, 50);
  EXPECT_EQ(name.rect.top, Top(2));
  EXPECT_EQ(name.textColor, SystemColor(SysColor::HighlightText));
  EXPECT_EQ(name.background, highlight);
  EXPECT_EQ(author.text, u"Автор 2.acs3");
  EXPECT_EQ(author.font.style, toolkit::kItalic);
  EXPECT_EQ(author.rect.top, Top(2) + h);
  EXPECT_EQ(texts[0].textColor, SystemColor(SysColor::WindowText));
  EXPECT_EQ(texts[0].background, kEvenRow);
  EXPECT_EQ(focus, std::vector<toolkit::Rect>{toolkit::Rect::FromBounds(0, Top(2), 178, 50)});
}

#ifdef _WIN32
uint32_t RealPixel(const toolkit::Control& control, int x, int y) {
  return fixture::ScreenPixel(control.Handle(), x, y);
}

TEST_F(SkinRowsTest, RowsInRealPixels) {
  if (!toolkit::PeersEnabled()) GTEST_SKIP();
  SendMessageW(static_cast<HWND>(form->SkinList->Handle()), LB_SETTOPINDEX, 0, 0);
  toolkit::test::PumpMessages(150);
  const toolkit::Control& list = *form->SkinList;
  EXPECT_EQ(RealPixel(list, 140, Top(0) + 40), kEvenRow);
  EXPECT_EQ(RealPixel(list, 140, Top(1) + 40), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(RealPixel(list, 140, Top(2) + 40), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(RealPixel(list, 5, Top(0) + 25), kBlack);
  EXPECT_EQ(RealPixel(list, 20, Top(0) + 20), kBlue);
  EXPECT_EQ(RealPixel(list, 20, Top(1) + 20), kGreen);
}
#endif

TEST_F(SkinWindowTest, ClickingASkinShowsItsPreviewAndInformation) {
  Skin("Sea.acs2", green.Handle());
  Open();
  const toolkit::test::RecordingCanvas& area = toolkit::test::Drawings(*form->PreviewImage);
  toolkit::test::ClickItem(*form->SkinList, Row(u"Sea.acs2"));
  const toolkit::test::CanvasOp& preview = area.Ops().back();
  EXPECT_EQ(preview.kind, toolkit::test::CanvasOp::Kind::Bitmap);
  EXPECT_EQ(preview.bitmap, green.Handle());
  EXPECT_EQ(preview.rect, toolkit::Rect::FromBounds(0, 0, 185, 129));
  EXPECT_EQ(
      form->InfoMmo->Lines(),
      (std::vector<std::u16string>{u"Автор обложки: Автор Sea.acs2", u"Имя обложки: Имя Sea.acs2",
                                   u"Описание обложки: Описание Sea.acs2"}));
#ifdef _WIN32
  if (toolkit::PeersEnabled()) {
    toolkit::test::PumpMessages(100);
    EXPECT_EQ(RealPixel(*form->PreviewImage, 92, 64), kGreen);
  }
#endif
}

// The placeholder: a framed area in the even-row colour with the word centred.
TEST_F(SkinWindowTest, SkinsWithoutPreviewOrEntryShowThePlaceholder) {
  Skin("Bare.acs3");
  Skin("Gone.acs3", nullptr, true);
  Open();
  struct Case {
    int row;
    std::vector<std::u16string> info;
  };
  int refused = -1;
  for (int i = 0; i < form->SkinList->Count(); ++i)
    if (!form->SkinList->Entry(i)) refused = i;
  const Case cases[] = {
      {Row(u"Bare.acs3"),
       {u"Автор обложки: Автор Bare.acs3", u"Имя обложки: Имя Bare.acs3",
        u"Описание обложки: Описание Bare.acs3"}},
      {refused, {u"Автор обложки: ", u"Имя обложки: ", u"Описание обложки: "}},
  };
  toolkit::test::RecordingCanvas& area = toolkit::test::Drawings(*form->PreviewImage);
  for (const Case& c : cases) {
    toolkit::test::ClickItem(*form->SkinList,
                             0);  // a preview first, so the placeholder replaces it
    toolkit::test::ClickItem(*form->SkinList, c.row);
    EXPECT_EQ(area.PixelAt(0, 0), kBlack) << c.row;
    EXPECT_EQ(area.PixelAt(184, 128), kBlack);
    EXPECT_EQ(area.PixelAt(183, 127), kEvenRow);
    EXPECT_EQ(area.PixelAt(20, 20), kEvenRow);
    const toolkit::test::CanvasOp& text = area.Ops().back();
    ASSERT_EQ(text.kind, toolkit::test::CanvasOp::Kind::Text);
    EXPECT_EQ(text.text, u"Недоступно");
    EXPECT_EQ(text.font.style, toolkit::kBold);
    EXPECT_EQ(text.font.height, 21);
    EXPECT_FALSE(text.opaque);
    const toolkit::Size extent = toolkit::test::HeadlessTextExtent(u"Недоступно", text.font);
    EXPECT_EQ(text.rect.left, 185 / 2 - extent.width / 2);
    EXPECT_EQ(text.rect.top, 129 / 2 - extent.height / 2);
    EXPECT_EQ(form->InfoMmo->Lines(), c.info);
  }
#ifdef _WIN32
  if (toolkit::PeersEnabled()) {
    toolkit::test::PumpMessages(100);
    EXPECT_EQ(RealPixel(*form->PreviewImage, 0, 0), kBlack);
    EXPECT_EQ(RealPixel(*form->PreviewImage, 5, 5), kEvenRow);
  }
#endif
}

TEST_F(SkinWindowTest, AddingByButtonAndDoubleClickSharesTheEntry) {
  Skin("Sea.acs2", green.Handle());
  Open();
  toolkit::test::Click(*form->AddBtn);  // nothing current yet
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, u"Совершена неверная операция, нечего добавлять");
  EXPECT_FALSE(boxes.calls[0].hasCaption);
  EXPECT_EQ(boxes.calls[0].flags, platform::kMbIconError);
  EXPECT_EQ(boxes.calls[0].owner, form->Handle());
  EXPECT_EQ(form->SelSkinList->Count(), 0);

  const int sea = Row(u"Sea.acs2");
  toolkit::test::ClickItem(*form->SkinList, sea);
  toolkit::test::Click(*form->AddBtn);
  toolkit::test::Click(*form->AddBtn);
  toolkit::test::DoubleClickItem(*form->SkinList, sea);
  ASSERT_EQ(form->SelSkinList->Count(), 3);
  const kaleidra::SkinEntryRef& entry = form->SkinList->Entry(sea);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(form->SelSkinList->Entry(i), entry);
    EXPECT_EQ(form->SelSkinList->ItemText(i), u"SkinName");
  }
  EXPECT_EQ(form->SelSkinList->SelectedCount(), 0);
  EXPECT_EQ(form->SelSkinList->ItemIndex(), -1);
  EXPECT_EQ(entry.use_count(), 4);  // SkinList and three selected rows

  toolkit::test::Click(*form->OKBtn);
  EXPECT_FALSE(form->IsShown());
  EXPECT_EQ(form->TempList().Count(), 0);
  // Released once, for the save: only SkinList's reference remains.
  form->ReleaseSelectionEntries();
  EXPECT_EQ(form->SelSkinList->Count(), 0);
  EXPECT_EQ(entry.use_count(), 1);
}

TEST_F(SkinWindowTest, EntriesOnlyTheSelectionHoldsAreReleasedOnceForTheSave) {
  Skin("Saved.acs3");
  Open();
  Select({u"Saved.acs3"});  // as the lists file loads it: an entry of its own
  const std::weak_ptr<kaleidra::SkinEntry> saved = form->SelSkinList->Entry(0);
  form->Hide();
  form->Show();  // the copy taken now refers to the same entry
  EXPECT_EQ(saved.use_count(), 2);
  form->ReleaseSelectionEntries();
  EXPECT_TRUE(saved.expired());
  EXPECT_EQ(form->TempList().Count(), 0);
}

struct DeleteCase {
  int rows;
  int removed;
  std::vector<std::u16string> left;
  std::u16string current;  // empty: none
};

class SkinDeleteTest : public SkinWindowTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(SkinDeleteTest, RemovesTheCurrentRowAndMovesTheCaret) {
  const DeleteCase& c = GetParam();
  for (const char* name : {"0.acs3", "1.acs3", "2.acs3"}) Skin(name);
  Open();
  for (bool byButton : {false, true}) {
    form->SelSkinList->ClearItems();
    for (int i = 0; i < c.rows; ++i) Select({platform::ToDecimal(i) + u".acs3"});
    toolkit::test::ClickItem(*form->SelSkinList, c.removed);
    if (byButton) {
      toolkit::test::Click(*form->DelBtn);
    } else {
      toolkit::test::Focus(*form->SelSkinList);
      toolkit::test::PressKey(*form->SelSkinList, toolkit::kKeyDelete);
    }
    EXPECT_EQ(Selection(), c.left) << byButton;
    const int current = form->SelSkinList->ItemIndex();
    EXPECT_EQ(current < 0 ? u"" : Selection()[static_cast<size_t>(current)], c.current) << byButton;
  }
}

INSTANTIATE_TEST_SUITE_P(Positions, SkinDeleteTest,
                         ::testing::Values(DeleteCase{3, 2, {u"0.acs3", u"1.acs3"}, u"1.acs3"},
                                           DeleteCase{3, 1, {u"0.acs3", u"2.acs3"}, u"2.acs3"},
                                           DeleteCase{3, 0, {u"1.acs3", u"2.acs3"}, u"1.acs3"},
                                           DeleteCase{2, 0, {u"1.acs3"}, u"1.acs3"},
                                           DeleteCase{1, 0, {}, u""}));

TEST_F(SkinWindowTest, DeleteWithSeveralRowsSelectedRemovesOnlyTheFocusedRow) {
  for (const char* name : {"0.acs3", "1.acs3", "2.acs3", "3.acs3"}) Skin(name);
  Open();
  Select({u"0.acs3", u"1.acs3", u"2.acs3", u"3.acs3"});
  toolkit::test::ClickItem(*form->SelSkinList, 0);
  toolkit::test::ClickItem(*form->SelSkinList, 3, toolkit::kCtrl);
  toolkit::test::ClickItem(*form->SelSkinList, 1, toolkit::kCtrl);  // focused
  toolkit::test::Click(*form->DelBtn);
  EXPECT_EQ(Selection(), (std::vector<std::u16string>{u"0.acs3", u"2.acs3", u"3.acs3"}));
  EXPECT_TRUE(form->SelSkinList->Selected(0));
  EXPECT_FALSE(form->SelSkinList->Selected(1));
  EXPECT_TRUE(form->SelSkinList->Selected(2));
  EXPECT_EQ(form->SelSkinList->ItemIndex(), 1);
}

TEST_F(SkinWindowTest, OtherKeysAreLeftToTheList) {
  for (const char* name : {"0.acs3", "1.acs3", "2.acs3"}) Skin(name);
  Open();
  Select({u"0.acs3", u"1.acs3", u"2.acs3"});
  toolkit::test::ClickItem(*form->SelSkinList, 0);
  toolkit::test::Focus(*form->SelSkinList);
  toolkit::test::PressKey(*form->SelSkinList, 113);  // F2: nothing at all
  EXPECT_EQ(form->SelSkinList->ItemIndex(), 0);
  toolkit::test::PressKey(*form->SelSkinList, toolkit::kKeyDown);
  EXPECT_EQ(form->SelSkinList->ItemIndex(), 1);
  EXPECT_EQ(form->SelSkinList->Count(), 3);
}

TEST_F(SkinWindowTest, CancelRestoresTheRowsOfTheLastShowing) {
  for (const char* name : {"0.acs3", "1.acs3", "2.acs3"}) Skin(name);
  form = std::make_unique<TSkinListForm>();
  Select({u"0.acs3", u"1.acs3"});
  const std::vector<kaleidra::SkinEntry*> before = {form->SelSkinList->Entry(0).get(),
                                                    form->SelSkinList->Entry(1).get()};
  form->Show();
  toolkit::test::ClickItem(*form->SkinList, Row(u"2.acs3"));
  toolkit::test::Click(*form->AddBtn);
  toolkit::test::ClickItem(*form->SelSkinList, 0);
  toolkit::test::Click(*form->DelBtn);
  toolkit::test::Click(*form->ClearBtn);
  toolkit::test::Click(*form->AddBtn);
  toolkit::test::ClickItem(*form->SelSkinList, 0);
  toolkit::test::Click(*form->ExitBtn);
  EXPECT_FALSE(form->IsShown());
  EXPECT_EQ(Selection(), (std::vector<std::u16string>{u"0.acs3", u"1.acs3"}));
  EXPECT_EQ(form->SelSkinList->Entry(0).get(), before[0]);
  EXPECT_EQ(form->SelSkinList->Entry(1).get(), before[1]);
  EXPECT_EQ(form->SelSkinList->ItemIndex(), -1);

  // "ОК" keeps the edits; the next showing starts from them.
  form->Show();
  toolkit::test::Click(*form->ClearBtn);
  toolkit::test::Click(*form->AddBtn);
  toolkit::test::Click(*form->OKBtn);
  EXPECT_EQ(Selection(), std::vector<std::u16string>{u"2.acs3"});
  form->Show();
  toolkit::test::Click(*form->ClearBtn);
  toolkit::test::Click(*form->ExitBtn);
  EXPECT_EQ(Selection(), std::vector<std::u16string>{u"2.acs3"});
}

TEST_F(SkinWindowTest, OkOnAnEmptySelectionAsksForSkinsAndStaysOpen) {
  Open();
  toolkit::test::Click(*form->OKBtn);
  EXPECT_TRUE(form->IsShown());
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text,
            u"Не выбрана ни одна обложка, добавьте обложки к выборке и повторите операцию");
  EXPECT_TRUE(boxes.calls[0].hasCaption);
  EXPECT_EQ(boxes.calls[0].caption, u"Ошибка выборки");
  EXPECT_EQ(boxes.calls[0].flags, platform::kMbIconInformation);
  EXPECT_EQ(boxes.calls[0].owner, form->Handle());
}

TEST_F(SkinWindowTest, WindowAndControlsAsDescribed) {
  Open();
  EXPECT_EQ(form->Caption(), u"Выборка обложек");
  EXPECT_EQ(form->ClientSize().width, 407);
  EXPECT_EQ(form->ClientSize().height, 386);
  EXPECT_EQ(form->Border(), toolkit::BorderStyle::Dialog);
  EXPECT_TRUE(form->StayOnTop());
  EXPECT_EQ(form->SkinList->Bounds(), toolkit::Rect::FromBounds(8, 29, 178, 147));
  EXPECT_EQ(form->SkinList->ItemHeight(), 50);
  EXPECT_FALSE(form->SkinList->MultiSelect());
  EXPECT_TRUE(form->SelSkinList->MultiSelect());
  EXPECT_EQ(form->AddBtn->Caption(), u"6");
  EXPECT_EQ(form->AddBtn->GetFont().face, u"Webdings");
  EXPECT_EQ(form->AddBtn->Hint(), u"Добавит обложку к выборке");
  EXPECT_TRUE(form->InfoMmo->ReadOnly());
  EXPECT_EQ(form->InfoMmo->GetScrollBars(), toolkit::Memo::ScrollBars::Both);
  EXPECT_EQ(form->PreviewImage->Bounds(), toolkit::Rect::FromBounds(207, 29, 185, 129));
  std::vector<std::string> tabOrder;
  for (toolkit::Control* c : form->ChildrenInTabOrder())
    if (c->TabOrder() >= 0) tabOrder.push_back(c->Name());
  EXPECT_EQ(tabOrder, (std::vector<std::string>{"OKBtn", "ExitBtn", "SkinList", "SelSkinList",
                                                "AddBtn", "DelBtn", "ClearBtn", "InfoMmo"}));
  if (toolkit::PeersEnabled()) {
    // The real windows where the description puts them.
    EXPECT_EQ(fixture::RealBounds(form->Handle()), toolkit::Rect::FromBounds(0, 0, 407, 386));
    for (const toolkit::Control* c : form->ChildrenInTabOrder())
      EXPECT_EQ(fixture::RealBounds(c->Handle()), c->Bounds()) << c->Name();
    EXPECT_EQ(fixture::RealBounds(form->SkinList->Handle()),
              toolkit::Rect::FromBounds(8, 29, 178, 147));
    EXPECT_EQ(fixture::RealBounds(form->PreviewImage->Handle()),
              toolkit::Rect::FromBounds(207, 29, 185, 129));
  }
}

#ifdef _WIN32
std::filesystem::path ScreenshotFolder() {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  const auto folder = std::filesystem::path(exe).parent_path().parent_path() / "screenshots";
  std::filesystem::create_directories(folder);
  return folder;
}

// Pictures for people to look at, in screenshots/ of the build tree.
TEST_F(SkinWindowTest, Screenshots) {
  if (!toolkit::PeersEnabled()) GTEST_SKIP();
  Skin("Ocean.acs3", green.Handle());
  Skin("Bare.acs2");
  Skin("Gone.acs3", nullptr, true);
  Open();
  const std::filesystem::path folder = ScreenshotFolder();
  toolkit::Picture shot;
  auto shoot = [&](const char* name) {
    toolkit::test::PumpMessages(200);
    EXPECT_TRUE(
        toolkit::test::SaveScreenshot(*form, (folder / (std::string(name) + ".bmp")).u16string()));
    shot = toolkit::test::CaptureWindow(*form);
  };
  // A pixel of the picture, at x, y of the control's client area in the real window.
  auto shown = [&](const toolkit::Control& control, int x, int y) {
    RECT frame{};
    GetWindowRect(static_cast<HWND>(form->Handle()), &frame);
    POINT at{x, y};
    ClientToScreen(static_cast<HWND>(control.Handle()), &at);
    return shot.At(at.x - frame.left, at.y - frame.top);
  };
  toolkit::test::ClickItem(*form->SkinList, 0);
  toolkit::test::Click(*form->AddBtn);
  toolkit::test::ClickItem(*form->SkinList, Row(u"Ocean.acs3"));
  toolkit::test::Click(*form->AddBtn);
  toolkit::test::ClickItem(*form->SelSkinList, 1);
  shoot("skins_1_preview_and_selection");
  ASSERT_FALSE(shot.Empty());
  EXPECT_EQ(shown(*form->PreviewImage, 90, 60), kGreen);  // Ocean's preview, stretched
  EXPECT_EQ(shown(*form->SelSkinList, 140, 50 + 40), GetSysColor(COLOR_HIGHLIGHT));
  toolkit::test::ClickItem(*form->SkinList, Row(u"Bare.acs2"));
  toolkit::test::Click(*form->AddBtn);
  shoot("skins_2_placeholder");
  ASSERT_FALSE(shot.Empty());
  EXPECT_EQ(shown(*form->PreviewImage, 3, 3), kEvenRow);  // the placeholder's background
}
#endif

}  // namespace
}  // namespace kaleidra
