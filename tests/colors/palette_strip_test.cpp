// The palette strip and the swatch inside both selection windows: the thumb
// drag driven by mouse events on the thumb (real mouse messages when there are
// real windows), the swatch following it, painting, and the index mappings
// the windows pass on to their strips.
#include <gtest/gtest.h>

#include <vector>

#include "tests/colors/window_cases.h"
#include "ui/palette/palette_pictures.h"
#include "ui/toolkit/peer.h"
#include "ui/toolkit/testing/painted.h"
#include "ui/toolkit/testing/time.h"
#include "ui/toolkit/testing/user_actions.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using colors_test::Grey;
using colors_test::Rgb;
using kaleidra::TColorChooser;
using kaleidra::TPaletteListForm;
using toolkit::MouseButton;

struct StripCase {
  colors_test::WindowCase window;
  uint32_t leftEnd;   // column 0
  uint32_t rightEnd;  // column 268
  // A palette index and its colour, and a colour that is not on the strip.
  int32_t index;
  uint32_t indexColor;
  uint32_t offStrip;
};

const StripCase kStrips[] = {
    {colors_test::kWindows[0], Rgb(0, 0, 0), Rgb(255, 0, 18), 1, Rgb(255, 6, 0), Rgb(255, 0, 0)},
    {colors_test::kWindows[1], Grey(150), Grey(221), 50, Grey(180), Rgb(0, 0, 0)},
};

constexpr int kLastLeft = 236;  // 251-pixel strip less the 15-pixel thumb
constexpr int kGrab = 7;

// A window with the strip's reports recorded on their way to the swatch.
struct StripUnderTest {
  explicit StripUnderTest(const StripCase& c) : form(c.window.make()), strip(*form->Chooser) {
    auto toSwatch = strip.onChangeColor();
    strip.SetOnChangeColor([this, toSwatch](uint32_t color) {
      reports.push_back(color);
      toSwatch(color);
    });
  }
  toolkit::Button& Thumb() { return strip.TrackBar(); }
  int Left() { return Thumb().Bounds().left; }
  // Moves the pointer so that the thumb, grabbed at kGrab, would land at left.
  void MoveTowards(int left) { toolkit::test::MouseMove(Thumb(), kGrab + left - Left(), kGrab); }

  std::unique_ptr<TPaletteListForm> form;
  TColorChooser& strip;
  std::vector<uint32_t> reports;
};

TEST(PaletteStrip, EndsOfTheTrackReadColumnsZeroAnd268AndTheSwatchFollows) {
  for (const StripCase& c : kStrips) {
    SCOPED_TRACE(c.window.window);
    StripUnderTest s(c);
    toolkit::test::MouseDown(s.Thumb(), MouseButton::Left, kGrab, kGrab);
    s.MoveTowards(kLastLeft);
    EXPECT_EQ(s.Left(), kLastLeft);
    EXPECT_EQ(s.form->Icon->Color(), c.rightEnd);
    s.MoveTowards(0);
    EXPECT_EQ(s.Left(), 0);
    EXPECT_EQ(s.form->Icon->Color(), c.leftEnd);
    toolkit::test::MouseUp(s.Thumb(), MouseButton::Left, kGrab, kGrab);
    EXPECT_EQ(s.reports, (std::vector<uint32_t>{c.rightEnd, c.leftEnd}));
  }
}

TEST(PaletteStrip, PushingPastAnEndKeepsTheThumbThereAndReportsOnEveryMove) {
  for (const StripCase& c : kStrips) {
    SCOPED_TRACE(c.window.window);
    StripUnderTest s(c);
    toolkit::test::MouseDown(s.Thumb(), MouseButton::Left, kGrab, kGrab);
    for (int push : {1000, 300, kLastLeft + 1}) {
      s.MoveTowards(push);
      EXPECT_EQ(s.Left(), kLastLeft);
    }
    for (int push : {-1000, -1, 0}) {
      s.MoveTowards(push);
      EXPECT_EQ(s.Left(), 0);
    }
    toolkit::test::MouseUp(s.Thumb(), MouseButton::Left, 0, 0);
    const uint32_t r = c.rightEnd;
    const uint32_t l = c.leftEnd;
    EXPECT_EQ(s.reports, (std::vector<uint32_t>{r, r, r, l, l, l}));
    if (toolkit::PeersEnabled()) {
      EXPECT_EQ(colors_test::RealBounds(s.Thumb()).left, 0);
    }
  }
}

TEST(PaletteStrip, AnyButtonDragsWithTheMouseCapturedAndReleasingEndsTheDrag) {
  StripUnderTest s(kStrips[0]);
  const bool real = toolkit::PeersEnabled();
  for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    const int start = s.Left();
    toolkit::test::MouseDown(s.Thumb(), button, 3, 5);
    EXPECT_TRUE(s.strip.ButtonDown());
    EXPECT_EQ(s.strip.Mix(), 3);
    EXPECT_TRUE(s.Thumb().HasCapture());
    if (real) {
      EXPECT_TRUE(colors_test::HasRealCapture(s.Thumb()));
    }
    toolkit::test::MouseMove(s.Thumb(), 13, 5);  // the grabbed point stays under the pointer
    EXPECT_EQ(s.Left(), start + 10);
    if (real) {
      EXPECT_EQ(colors_test::RealBounds(s.Thumb()).left, start + 10);
    }
    toolkit::test::MouseUp(s.Thumb(), button, 3, 5);
    EXPECT_FALSE(s.strip.ButtonDown());
    EXPECT_FALSE(s.Thumb().HasCapture());
    if (real) {
      EXPECT_FALSE(colors_test::HasRealCapture(s.Thumb()));
    }

    const size_t reported = s.reports.size();
    const uint32_t swatch = s.form->Icon->Color();
    toolkit::test::MouseMove(s.Thumb(), 40, 5);  // no longer dragging
    EXPECT_EQ(s.Left(), start + 10);
    EXPECT_EQ(s.reports.size(), reported);
    EXPECT_EQ(s.form->Icon->Color(), swatch);
  }
  // Left 30 reads column 30 * 251 / 221 = 34, which repeats column 33, step 31.
  EXPECT_EQ(s.reports.back(), Rgb(255, 186, 0));
}

#ifdef _WIN32
// The thumb is a system button, whose class asks for double clicks: the second
// of two quick presses arrives as a double click, and drags all the same.
TEST(PaletteStrip, TwoQuickPressesOnTheThumbStartADragWithAnyButton) {
  if (!toolkit::PeersEnabled()) GTEST_SKIP();
  StripUnderTest s(kStrips[0]);
  s.form->Show();
  HWND thumb = static_cast<HWND>(s.Thumb().Handle());
  ASSERT_TRUE(GetClassLongW(thumb, GCL_STYLE) & CS_DBLCLKS);
  const struct {
    UINT down, second, up;
    WPARAM held;
  } buttons[] = {
      {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, MK_LBUTTON},
      {WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_RBUTTONUP, MK_RBUTTON},
      {WM_MBUTTONDOWN, WM_MBUTTONDBLCLK, WM_MBUTTONUP, MK_MBUTTON},
  };
  const LPARAM grab = MAKELPARAM(kGrab, kGrab);
  for (const auto& b : buttons) {
    SendMessageW(thumb, b.down, b.held, grab);
    SendMessageW(thumb, b.up, 0, grab);
    SendMessageW(thumb, b.second, b.held, grab);
    EXPECT_TRUE(s.strip.ButtonDown());
    EXPECT_TRUE(colors_test::HasRealCapture(s.Thumb()));
    const int start = s.Left();
    SendMessageW(thumb, WM_MOUSEMOVE, b.held, MAKELPARAM(kGrab + 20, kGrab));
    EXPECT_EQ(s.Left(), start + 20);
    SendMessageW(thumb, b.up, 0, grab);
    EXPECT_FALSE(s.strip.ButtonDown());
    EXPECT_FALSE(colors_test::HasRealCapture(s.Thumb()));
  }
  EXPECT_EQ(s.reports.size(), 3u);
}
#endif

TEST(PaletteStrip, WindowsPassTheirStripsMappingsOn) {
  for (const StripCase& c : kStrips) {
    SCOPED_TRACE(c.window.window);
    auto form = c.window.make();
    EXPECT_EQ(form->ColorFromIndex(c.index), c.indexColor);
    EXPECT_EQ(form->GetIndexFromColor(c.indexColor), c.index);
    EXPECT_EQ(form->GetIndexFromColor(c.offStrip), -1);
  }
}

TEST(PaletteStrip, PaintsThePictureAtNaturalSizeCentredAndCutAtItsWidth) {
  for (const StripCase& c : kStrips) {
    SCOPED_TRACE(c.window.window);
    auto form = c.window.make();
    TColorChooser& strip = *form->Chooser;
    const toolkit::Picture& picture = strip.BackImage();
    const toolkit::Rect natural = toolkit::Rect::FromBounds(0, 5, 271, 5);
    if (toolkit::PeersEnabled()) {
      form->Show();
      toolkit::test::PumpMessages(100);
      // Columns right of the thumb; the strip window ends at 251.
      for (int x : {20, 135, 250})
        for (int y : {5, 9}) EXPECT_EQ(colors_test::ScreenPixel(strip, x, y), picture.At(x, 0));
      EXPECT_NE(colors_test::ScreenPixel(strip, 135, 4), picture.At(135, 0));
    } else {
      const toolkit::test::RecordingCanvas painted = toolkit::test::Painted(strip);
      ASSERT_EQ(painted.Ops().size(), 1u);
      EXPECT_EQ(painted.Ops()[0].rect, natural);
      EXPECT_EQ(painted.Pixels().width, 251);
      for (int x : {0, 135, 250}) EXPECT_EQ(painted.Pixels().At(x, 7), picture.At(x, 0));
      EXPECT_EQ(painted.Pixels().At(135, 4), toolkit::SystemColor(toolkit::SysColor::ButtonFace));
    }
  }
  // Without a parent window there is nothing to paint on.
  TColorChooser loose;
  loose.SetBounds(toolkit::Rect::FromBounds(0, 0, 251, 15));
  loose.SetBackImage(palette::ColorPalettePicture());
  loose.PaintNow();
  EXPECT_TRUE(toolkit::test::Painted(loose).Ops().empty());
}

TEST(ColorSwatch, StartsBlackAndPaintsWithinTheWrite) {
  for (const auto& w : colors_test::kWindows) {
    SCOPED_TRACE(w.window);
    auto form = w.make();
    kaleidra::TColorIcon& swatch = *form->Icon;
    EXPECT_EQ(swatch.Color(), 0u);
    if (toolkit::PeersEnabled()) {
      form->Show();
      toolkit::test::PumpMessages(50);
      EXPECT_EQ(colors_test::ScreenPixel(swatch, 20, 12), 0u);
    }
    swatch.SetColor(Rgb(0, 255, 252));
    // No messages processed in between: the write itself painted.
    if (toolkit::PeersEnabled()) {
      for (int x : {0, 20, 40})
        EXPECT_EQ(colors_test::ScreenPixel(swatch, x, 24), Rgb(0, 255, 252));
    } else {
      const toolkit::Picture painted = toolkit::test::Painted(swatch).Pixels();
      ASSERT_EQ(painted.width, 41);
      ASSERT_EQ(painted.height, 25);
      for (uint32_t pixel : painted.pixels) ASSERT_EQ(pixel, Rgb(0, 255, 252));
    }
  }
}

}  // namespace
