// The colour and brightness selection windows: layout, list editing with
// "OK" and "Отмена", the drawing of rows, and screenshots.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/text.h"
#include "tests/colors/window_cases.h"
#include "ui/toolkit/peer.h"
#include "ui/toolkit/testing/recording_canvas.h"
#include "ui/toolkit/testing/screenshot.h"
#include "ui/toolkit/testing/time.h"
#include "ui/toolkit/testing/user_actions.h"

namespace {

using colors_test::Rgb;
using kaleidra::TPaletteListForm;
using toolkit::Rect;

struct Placed {
  const char* name;
  Rect bounds;
  const char16_t* caption;
  int tabOrder;
};

std::vector<Placed> Layout(const char* label, const char* strip, const char* swatch,
                           const char* list) {
  return {
      {label, Rect::FromBounds(8, 5, 76, 13), u"Текущий цвет:", -1},
      {strip, Rect::FromBounds(91, 29, 251, 15), u"", 0},
      {swatch, Rect::FromBounds(24, 24, 41, 25), u"", 1},
      {"AddBtn", Rect::FromBounds(24, 64, 81, 25), u"Добавить", 2},
      {list, Rect::FromBounds(120, 64, 145, 140), u"", 3},
      {"DeleteBtn", Rect::FromBounds(24, 119, 81, 25), u"Удалить", 4},
      {"ClearBtn", Rect::FromBounds(24, 179, 81, 25), u"Очистить", 5},
      {"ExitBtn", Rect::FromBounds(280, 179, 81, 25), u"Отмена", 6},
      {"ОК", Rect::FromBounds(280, 148, 81, 25), u"OK", 7},
  };
}

TEST(SelectionWindow, LayoutOfBothWindows) {
  kaleidra::TColorListForm colours;
  kaleidra::TIntensityListForm levels;
  struct {
    TPaletteListForm& form;
    const char16_t* caption;
    std::vector<Placed> controls;
    int32_t max;
  } windows[] = {
      {colours, u"Выберите наборку цветов:",
       Layout("CurColorLbl", "ColorChooser", "ColorIcon", "ColorsList"), 200},
      {levels, u"Выберите наборку яркости:",
       Layout("CurIntensityLbl", "IntensityChooser", "IntensityIcon", "IntensitiesList"), 100},
  };
  for (auto& w : windows) {
    SCOPED_TRACE(platform::ToUtf8(w.caption));
    EXPECT_EQ(w.form.Caption(), w.caption);
    EXPECT_EQ(w.form.Border(), toolkit::BorderStyle::Dialog);
    EXPECT_TRUE(w.form.StayOnTop());
    EXPECT_EQ(w.form.ClientSize().width, 369);
    EXPECT_EQ(w.form.ClientSize().height, 212);
    EXPECT_EQ(w.form.GetFont(), (toolkit::Font{u"Tahoma", 11, toolkit::kRegular}));
    EXPECT_TRUE(w.form.List->DoubleBuffered());
    for (const Placed& p : w.controls) {
      SCOPED_TRACE(p.name);
      const toolkit::Control* control = w.form.FindControl(p.name);
      ASSERT_NE(control, nullptr);
      EXPECT_EQ(control->Bounds(), p.bounds);
      EXPECT_EQ(control->Caption(), p.caption);
      EXPECT_EQ(control->TabOrder(), p.tabOrder);
      if (toolkit::PeersEnabled()) {
        EXPECT_EQ(colors_test::RealBounds(*control), p.bounds);
      }
    }
    if (toolkit::PeersEnabled()) {
      EXPECT_EQ(colors_test::RealBounds(w.form), Rect::FromBounds(0, 0, 369, 212));
    }
    EXPECT_EQ(w.form.Chooser->Max(), w.max);
    EXPECT_EQ(w.form.List->ItemHeight(), 20);
    EXPECT_FALSE(w.form.List->MultiSelect());
  }
  // The windows' own names reach the shared controls.
  EXPECT_EQ(colours.ColorsList, colours.FindControl("ColorsList"));
  EXPECT_EQ(colours.ColorChooser, colours.Chooser);
  EXPECT_EQ(colours.ColorIcon, colours.Icon);
  EXPECT_EQ(levels.IntensitiesList, levels.FindControl("IntensitiesList"));
  EXPECT_EQ(levels.IntensityChooser, levels.Chooser);
  EXPECT_EQ(levels.CurIntensityLbl, levels.FindControl("CurIntensityLbl"));
  EXPECT_EQ(colours.ОК, colours.FindControl("ОК"));
}

// One user step on a selection window.
enum class Op { Show, Select, DeleteKey, DeleteBtn, Add, Clear, Ok, Cancel };
struct Step {
  Op op;
  int index = -1;  // Select
};

struct EditCase {
  const char* name;
  std::vector<std::u16string> before;  // entries loaded before the window is shown
  std::vector<Step> steps;
  std::vector<std::u16string> after;
  int selected;
};

void Perform(TPaletteListForm& form, const Step& step) {
  switch (step.op) {
    case Op::Show:
      form.Show();
      break;
    case Op::Select:
      toolkit::test::ClickItem(*form.List, step.index);
      break;
    case Op::DeleteKey:
      toolkit::test::Focus(*form.List);
      toolkit::test::PressKey(*form.List, toolkit::kKeyDelete);
      break;
    case Op::DeleteBtn:
      toolkit::test::Click(*form.DeleteBtn);
      break;
    case Op::Add:
      toolkit::test::Click(*form.AddBtn);
      break;
    case Op::Clear:
      toolkit::test::Click(*form.ClearBtn);
      break;
    case Op::Ok:
      toolkit::test::Click(*form.ОК);
      break;
    case Op::Cancel:
      toolkit::test::Click(*form.ExitBtn);
      break;
  }
}

std::vector<std::u16string> Entries(const toolkit::ListBox& list) {
  std::vector<std::u16string> entries;
  for (int i = 0; i < list.Count(); ++i) entries.emplace_back(list.ItemText(i));
  return entries;
}

// 0x000006FF, 0x0000FF00, 0x00FF0000 and 0x00FCFC00, as the list writes colours.
const std::u16string A = u"1791", B = u"65280", C = u"16711680", D = u"16579584";

const EditCase kEdits[] = {
    {"delete a middle entry selects the next",
     {A, B, C, D},
     {{Op::Show}, {Op::Select, 2}, {Op::DeleteKey}},
     {A, B, D},
     2},
    {"delete the last entry selects the new last",
     {A, B, C, D},
     {{Op::Show}, {Op::Select, 3}, {Op::DeleteKey}},
     {A, B, C},
     2},
    {"delete the first of two selects the other",
     {A, B},
     {{Op::Show}, {Op::Select, 0}, {Op::DeleteBtn}},
     {B},
     0},
    {"delete the only entry leaves nothing selected",
     {A},
     {{Op::Show}, {Op::Select, 0}, {Op::DeleteBtn}},
     {},
     -1},
    {"delete with nothing selected changes nothing",
     {A, B},
     {{Op::Show}, {Op::DeleteBtn}, {Op::DeleteKey}},
     {A, B},
     -1},
    {"adding before any drag adds black, twice gives two",
     {A},
     {{Op::Show}, {Op::Select, 0}, {Op::Add}, {Op::Add}},
     {A, u"0", u"0"},
     0},
    {"cancel restores the entries of the showing",
     {A, B, C},
     {{Op::Show},
      {Op::Add},
      {Op::Select, 0},
      {Op::DeleteKey},
      {Op::Clear},
      {Op::Add},
      {Op::Cancel}},
     {A, B, C},
     -1},
    {"cancel restores the last showing, not the first",
     {A, B},
     {{Op::Show}, {Op::Add}, {Op::Ok}, {Op::Show}, {Op::Select, 0}, {Op::DeleteBtn}, {Op::Cancel}},
     {A, B, u"0"},
     -1},
    {"OK keeps an emptied list",
     {A, B},
     {{Op::Show}, {Op::Clear}, {Op::Ok}, {Op::Show}, {Op::Cancel}},
     {},
     -1},
};

TEST(SelectionWindow, EditingTheList) {
  for (const auto& w : colors_test::kWindows) {
    for (const EditCase& c : kEdits) {
      SCOPED_TRACE(std::string(w.window) + ": " + c.name);
      auto form = w.make();
      for (const std::u16string& entry : c.before) form->List->AddItem(entry);
      for (const Step& step : c.steps) Perform(*form, step);
      EXPECT_EQ(Entries(*form->List), c.after);
      EXPECT_EQ(form->List->ItemIndex(), c.selected);
      const bool closed = c.steps.back().op == Op::Ok || c.steps.back().op == Op::Cancel;
      EXPECT_EQ(form->IsShown(), !closed);
    }
  }
}

// Rows drawn by the list, as pixels of the list's client area.
struct Row {
  std::function<uint32_t(int x, int y)> pixel;
  Rect rect;
};

// Unselected: the colour alone. Selected: a black frame, and a black grid
// over the colour; focused besides, the dotted rectangle over the frame. (The
// 3-pixel frame reaches a pixel into the next row, so other rows' edges are
// not looked at.)
void ExpectRow(const Row& row, uint32_t color, bool selected, bool focused) {
  const Rect& r = row.rect;
  const int middle = (r.top + r.bottom) / 2;
  int black = 0, coloured = 0, other = 0;
  for (int y = r.top + 3; y < r.bottom - 3; ++y)
    for (int x = r.left + 3; x < r.right - 3; ++x) {
      const uint32_t p = row.pixel(x, y);
      (p == 0 ? black : p == color ? coloured : other)++;
    }
  EXPECT_EQ(other, 0);
  EXPECT_GT(coloured, 0);
  EXPECT_EQ(black > 0, selected);
  EXPECT_EQ(row.pixel(r.left + 1, middle), selected ? 0u : color);
  EXPECT_EQ(row.pixel(r.right - 2, middle), selected ? 0u : color);
  if (!selected) return;
  // The frame's top edge, where the dotted rectangle inverts every other pixel.
  int inverted = 0;
  for (int x = r.left; x < r.right; ++x)
    if (row.pixel(x, r.top) != 0) ++inverted;
  EXPECT_EQ(inverted > 0, focused);
}

TEST(SelectionWindow, RowsShowTheirColourTheSelectionAndTheFocus) {
  const uint32_t colours[] = {Rgb(255, 6, 0), Rgb(0, 255, 252), Rgb(0, 0, 255)};
  kaleidra::TColorListForm form;
  for (uint32_t c : colours) form.ColorsList->AddItem(platform::ToDecimal(c));
  form.Show();
  toolkit::ListBox& list = *form.ColorsList;
  toolkit::test::ClickItem(list, 1);

  for (bool focused : {false, true}) {
    SCOPED_TRACE(focused ? "focused" : "not focused");
    if (focused) {
      toolkit::test::Focus(list);
    } else {
      toolkit::test::Focus(*form.AddBtn);
    }
    toolkit::test::RecordingCanvas canvas(list.Bounds().Width(), list.Bounds().Height());
    Row row;
    if (toolkit::PeersEnabled()) {
      toolkit::test::PumpMessages(100);
      row.pixel = [&list](int x, int y) { return colors_test::ScreenPixel(list, x, y); };
    } else {
      list.Paint(canvas);
      row.pixel = [&canvas](int x, int y) { return canvas.PixelAt(x, y); };
      int focusRects = 0;
      for (const toolkit::test::CanvasOp& op : canvas.Ops()) {
        EXPECT_NE(op.kind, toolkit::test::CanvasOp::Kind::Text);
        if (op.kind == toolkit::test::CanvasOp::Kind::FocusRect) ++focusRects;
      }
      EXPECT_EQ(focusRects, focused ? 1 : 0);
    }
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      row.rect = colors_test::ItemRectOf(list, i);
      ExpectRow(row, colours[i], i == 1, focused && i == 1);
    }
  }
}

// Screenshots for people to look at, written beside the test programs.
TEST(SelectionWindow, Screenshots) {
  if (!toolkit::PeersEnabled()) GTEST_SKIP() << "no real windows";
  const std::u16string folder = platform::ExecutableFolder() + u"..\\screenshots\\";
  std::filesystem::create_directories(
      std::filesystem::path(reinterpret_cast<const wchar_t*>(folder.c_str())));
  struct Shot {
    const colors_test::WindowCase& window;
    const char16_t* file;
  } shots[] = {{colors_test::kWindows[0], u"colour_list.bmp"},
               {colors_test::kWindows[1], u"brightness_list.bmp"}};
  for (const Shot& shot : shots) {
    auto form = shot.window.make();
    form->Show();
    toolkit::Button& thumb = form->Chooser->TrackBar();
    toolkit::test::MouseDown(thumb, toolkit::MouseButton::Left, 7, 7);
    for (int step : {40, 60, 50, 45}) {
      toolkit::test::MouseMove(thumb, 7 + step, 7);
      toolkit::test::Click(*form->AddBtn);
    }
    toolkit::test::MouseUp(thumb, toolkit::MouseButton::Left, 7, 7);
    toolkit::test::ClickItem(*form->List, 2);
    toolkit::test::PumpMessages(200);
    EXPECT_TRUE(toolkit::test::SaveScreenshot(*form, folder + shot.file));
#ifdef _WIN32
    // The picture shows the rows in their colours, the selected one hatched, and the swatch.
    SCOPED_TRACE(shot.window.window);
    const toolkit::Picture picture = toolkit::test::CaptureWindow(*form);
    ASSERT_FALSE(picture.Empty());
    RECT frame{};
    GetWindowRect(static_cast<HWND>(form->Handle()), &frame);
    auto shown = [&](const toolkit::Control& control, int x, int y) {
      POINT at{x, y};
      ClientToScreen(static_cast<HWND>(control.Handle()), &at);
      return picture.At(at.x - frame.left, at.y - frame.top);
    };
    toolkit::ListBox& list = *form->List;
    ASSERT_EQ(list.Count(), 4);
    const bool focused = GetFocus() == static_cast<HWND>(list.Handle());
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      Row row{[&](int x, int y) { return shown(list, x, y); }, colors_test::ItemRectOf(list, i)};
      const uint32_t colour = static_cast<uint32_t>(std::stoul(platform::ToUtf8(list.ItemText(i))));
      ExpectRow(row, colour, i == 2, focused);
    }
    const toolkit::Rect swatch = colors_test::RealBounds(*form->Icon);
    EXPECT_EQ(shown(*form->Icon, swatch.Width() / 2, swatch.Height() / 2), form->Icon->Color());
#endif
  }
}

}  // namespace
