// The recording canvas: what it rasterises is what tests of painting check.
#include <gtest/gtest.h>

#include "ui/toolkit/testing/recording_canvas.h"

namespace toolkit::test {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;

TEST(CanvasTest, RectangleWithWidePenAndHatchedBrush) {
  RecordingCanvas canvas(40, 40, kWhite);
  canvas.FillRect(Rect{0, 0, 40, 20}, Brush{Brush::Style::Solid, kRed});
  canvas.Rectangle(Rect{0, 0, 40, 20}, Pen{3, kBlack}, Brush{Brush::Style::DiagonalCross, kBlack});
  // A 3-pixel pen centred on the edges: one pixel outside is clipped, two inside.
  EXPECT_EQ(canvas.PixelAt(0, 10), kBlack);
  EXPECT_EQ(canvas.PixelAt(1, 10), kBlack);
  EXPECT_EQ(canvas.PixelAt(39, 10), kBlack);
  EXPECT_EQ(canvas.PixelAt(20, 19), kBlack);
  // Inside, the hatch's gaps let the fill show through.
  int black = 0;
  int red = 0;
  for (int x = 8; x < 16; ++x)
    for (int y = 4; y < 12; ++y) (canvas.PixelAt(x, y) == kBlack ? black : red)++;
  EXPECT_EQ(black, 16);  // both diagonals of each 8x8 cell
  EXPECT_EQ(red, 48);
  EXPECT_EQ(canvas.PixelAt(20, 30), kWhite);
}

TEST(CanvasTest, FocusRectIsDottedAndDrawingItTwiceRemovesIt) {
  RecordingCanvas canvas(20, 10, kWhite);
  canvas.FocusRect(Rect{0, 0, 20, 10});
  EXPECT_EQ(canvas.PixelAt(0, 0), kBlack);
  EXPECT_EQ(canvas.PixelAt(1, 0), kWhite);
  EXPECT_EQ(canvas.PixelAt(5, 5), kWhite);
  canvas.FocusRect(Rect{0, 0, 20, 10});
  EXPECT_EQ(canvas.PixelAt(0, 0), kWhite);
  EXPECT_EQ(canvas.Ops().size(), 2u);
}

TEST(CanvasTest, StretchesRegisteredHostBitmapsAndRecordsUnknownOnes) {
  Picture preview{2, 1, false, {kRed, kBlack}};
  int fakeHandle = 0;
  RegisterHostBitmap(&fakeHandle, &preview);
  RecordingCanvas canvas(50, 50, kWhite);
  canvas.StretchBitmap(&fakeHandle, Rect::FromBounds(6, 6, 38, 38));
  RegisterHostBitmap(&fakeHandle, nullptr);
  int unknown = 0;
  canvas.StretchBitmap(&unknown, Rect::FromBounds(0, 0, 10, 10));

  EXPECT_EQ(canvas.PixelAt(6, 6), kRed);
  EXPECT_EQ(canvas.PixelAt(24, 43), kRed);
  EXPECT_EQ(canvas.PixelAt(25, 6), kBlack);
  EXPECT_EQ(canvas.PixelAt(44, 44), kWhite);
  ASSERT_EQ(canvas.Ops().size(), 2u);
  EXPECT_EQ(canvas.Ops()[1].bitmap, &unknown);
  EXPECT_EQ(canvas.PixelAt(0, 0), kWhite);
}

TEST(CanvasTest, PictureIsDrawnUnscaledAndBlendedWithItsAlpha) {
  Picture banner{3, 1, true, {0xFF0000FF, 0x00000000, 0x80FFFFFF}};
  RecordingCanvas canvas(2, 1, 0x000000);
  canvas.DrawPicture(banner, 0, 0);  // the third column falls outside
  EXPECT_EQ(canvas.PixelAt(0, 0), kRed);
  EXPECT_EQ(canvas.PixelAt(1, 0), kBlack);
  RecordingCanvas grey(1, 1, 0x000000);
  grey.DrawPicture(Picture{1, 1, true, {0x80FFFFFF}}, 0, 0);
  EXPECT_EQ(grey.PixelAt(0, 0), 0x808080u);
}

TEST(CanvasTest, TextIsRecordedWithFontColourAndBackground) {
  RecordingCanvas canvas(100, 30, kWhite);
  canvas.SetFont(Font{u"Tahoma", 16, kBold});
  canvas.SetTextColor(kRed);
  canvas.SetTextBackground(false, kBlack);
  const Size extent = canvas.TextExtent(u"Недоступно");
  canvas.TextAt(4, 2, u"Недоступно");
  canvas.SetTextBackground(true, kBlack);
  canvas.TextAt(0, 20, u"h");

  ASSERT_EQ(canvas.Ops().size(), 2u);
  const CanvasOp& first = canvas.Ops()[0];
  EXPECT_EQ(first.text, u"Недоступно");
  EXPECT_EQ(first.rect, Rect::FromBounds(4, 2, extent.width, extent.height));
  EXPECT_EQ(first.font.style, kBold);
  EXPECT_EQ(first.textColor, kRed);
  EXPECT_FALSE(first.opaque);
  EXPECT_EQ(canvas.PixelAt(5, 3), kWhite);   // transparent: untouched
  EXPECT_EQ(canvas.PixelAt(1, 21), kBlack);  // opaque: the cell is filled
}

}  // namespace
}  // namespace toolkit::test
