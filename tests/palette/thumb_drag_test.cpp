#include <gtest/gtest.h>

#include "tests/palette/rgb.h"
#include "ui/palette/palette_mapping.h"
#include "ui/palette/palette_pictures.h"

namespace {

using palette::ThumbDrag;
using palette::ThumbMove;
using palette_test::Grey;
using palette_test::Rgb;
using toolkit::Picture;

constexpr int kStripWidth = 251;
constexpr int kLastLeft = 236;

// Drags the thumb so that its left lands on `left`, grabbing it at x 7.
ThumbMove DragTo(ThumbDrag& drag, int left) {
  drag.Press(7);
  auto move = drag.Move(7 + left - drag.Left());
  drag.Release();
  return move.value();
}

TEST(ThumbDrag, EndsOfTheStripReadTheFirstAndAlmostLastColumns) {
  const Picture& colour = palette::ColorPalettePicture();
  const Picture& brightness = palette::BrightnessPalettePicture();
  ThumbDrag drag(kStripWidth);

  const ThumbMove right = DragTo(drag, kLastLeft);
  EXPECT_EQ(right.left, kLastLeft);
  EXPECT_EQ(right.column, 268);
  EXPECT_EQ(palette::GetThumbColor(colour, right.column), Rgb(255, 0, 18));
  EXPECT_EQ(palette::GetThumbColor(brightness, right.column), Grey(221));

  const ThumbMove left = DragTo(drag, 0);
  EXPECT_EQ(left.left, 0);
  EXPECT_EQ(left.column, 0);
  EXPECT_EQ(palette::GetThumbColor(colour, left.column), Rgb(0, 0, 0));
  EXPECT_EQ(palette::GetThumbColor(brightness, left.column), Grey(150));
}

TEST(ThumbDrag, GrabbedPointStaysUnderThePointer) {
  ThumbDrag drag(kStripWidth);
  drag.Press(10);
  // Positions are in the thumb's own coordinates, so after each move the
  // pointer is again near the grabbed point.
  EXPECT_EQ(drag.Move(40)->left, 30);
  EXPECT_EQ(drag.Move(12)->left, 32);
  EXPECT_EQ(drag.Move(5)->left, 27);
  EXPECT_EQ(drag.Move(10)->left, 27);
  EXPECT_EQ(drag.Left(), 27);
}

TEST(ThumbDrag, PushingPastAnEndKeepsReportingThatEnd) {
  ThumbDrag drag(kStripWidth);
  drag.Press(0);
  for (int push : {1000, 5, 300}) {
    const auto move = drag.Move(push);
    ASSERT_TRUE(move.has_value());
    EXPECT_EQ(move->left, kLastLeft);
    EXPECT_EQ(move->column, 268);
  }
  for (int push : {-1000, -1, -300}) {
    const auto move = drag.Move(push);
    ASSERT_TRUE(move.has_value());
    EXPECT_EQ(move->left, 0);
    EXPECT_EQ(move->column, 0);
  }
}

TEST(ThumbDrag, OnlyMovesBetweenPressAndRelease) {
  ThumbDrag drag(kStripWidth);
  EXPECT_FALSE(drag.Dragging());
  EXPECT_FALSE(drag.Move(50).has_value());
  EXPECT_EQ(drag.Left(), 0);

  drag.Press(0);
  EXPECT_TRUE(drag.Dragging());
  EXPECT_EQ(drag.Move(50)->left, 50);
  drag.Release();
  EXPECT_FALSE(drag.Dragging());
  EXPECT_FALSE(drag.Move(80).has_value());
  EXPECT_EQ(drag.Left(), 50);  // the thumb stays where it was left
}

TEST(ThumbDrag, NarrowStripsStayDefined) {
  struct Case {
    int stripWidth;
    int push;
    int left;
    int column;
  };
  for (const Case& c : {Case{30, 100, 15, 0}, Case{20, 100, 5, 0}, Case{10, 100, 0, 0},
                        Case{0, 100, 0, 0}, Case{-5, 100, 0, 0}, Case{31, 100, 16, 496}}) {
    ThumbDrag drag(c.stripWidth);
    drag.Press(0);
    const auto move = drag.Move(c.push);
    ASSERT_TRUE(move.has_value());
    EXPECT_EQ(move->left, c.left) << "width " << c.stripWidth;
    EXPECT_EQ(move->column, c.column) << "width " << c.stripWidth;
  }
  // A column past the picture reads its last column instead of beyond it.
  const Picture& colour = palette::ColorPalettePicture();
  EXPECT_EQ(palette::GetThumbColor(colour, 496), colour.At(270, 0));
  EXPECT_EQ(palette::GetThumbColor(colour, -3), colour.At(0, 0));
  EXPECT_EQ(palette::GetThumbColor(Picture{}, 3), 0u);
}

int PositionsWhoseColourMovesOnRoundTrip(const Picture& picture, int32_t max) {
  int moved = 0;
  for (int left = 0; left <= kLastLeft; ++left) {
    const uint32_t color = palette::GetThumbColor(picture, palette::ThumbColumn(left, kStripWidth));
    const int32_t index = palette::GetIndexFromColor(picture, max, color);
    if (palette::GetColorFromIndex(picture, max, index) != color) ++moved;
  }
  return moved;
}

TEST(ThumbDrag, SomeThumbColoursComeBackAsANeighbour) {
  EXPECT_EQ(PositionsWhoseColourMovesOnRoundTrip(palette::ColorPalettePicture(), 200), 65);
  EXPECT_EQ(PositionsWhoseColourMovesOnRoundTrip(palette::BrightnessPalettePicture(), 100), 30);

  const Picture& colour = palette::ColorPalettePicture();
  const uint32_t atFour = palette::GetThumbColor(colour, palette::ThumbColumn(4, kStripWidth));
  EXPECT_EQ(atFour, Rgb(255, 18, 0));
  EXPECT_EQ(palette::GetIndexFromColor(colour, 200, atFour), 2);
  EXPECT_EQ(palette::GetColorFromIndex(colour, 200, 2), Rgb(255, 12, 0));
}

}  // namespace
