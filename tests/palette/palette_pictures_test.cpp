#include "ui/palette/palette_pictures.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/palette/rgb.h"

namespace {

using palette_test::Grey;
using palette_test::Rgb;
using toolkit::Picture;

struct Column {
  int x;
  uint32_t color;
};

void ExpectColumns(const Picture& picture, std::initializer_list<Column> columns) {
  for (const Column& c : columns) EXPECT_EQ(picture.At(c.x, 1), c.color) << "column " << c.x;
}

void ExpectStripShape(const Picture& picture) {
  ASSERT_EQ(picture.width, 271);
  ASSERT_EQ(picture.height, 5);
  ASSERT_EQ(picture.pixels.size(), 271u * 5u);
  EXPECT_FALSE(picture.hasAlpha);
  for (int y = 1; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      ASSERT_EQ(picture.At(x, y), picture.At(x, 0)) << "row " << y << " column " << x;
    }
  }
}

TEST(PalettePictures, ColourStripTellingColumns) {
  const Picture& picture = palette::ColorPalettePicture();
  ExpectStripShape(picture);
  ExpectColumns(picture, {{0, Rgb(0, 0, 0)},
                          {1, Rgb(0, 0, 0)},
                          {2, Rgb(255, 6, 0)},
                          {16, Rgb(255, 90, 0)},
                          {17, Rgb(255, 90, 0)},
                          {45, Rgb(255, 252, 0)},
                          {46, Rgb(252, 255, 0)},
                          {91, Rgb(0, 255, 0)},
                          {135, Rgb(0, 255, 252)},
                          {136, Rgb(0, 255, 252)},
                          {181, Rgb(0, 0, 255)},
                          {268, Rgb(255, 0, 18)},
                          {270, Rgb(255, 0, 6)}});
}

TEST(PalettePictures, ColourStripRepeatsEverySeventeenthColumnAndHolds255Colours) {
  const Picture& picture = palette::ColorPalettePicture();
  std::set<uint32_t> distinct;
  for (int x = 0; x < picture.width; ++x) {
    distinct.insert(picture.At(x, 0));
    if (x >= 2) {
      EXPECT_EQ(picture.At(x, 0) == picture.At(x - 1, 0), x % 17 == 0) << "column " << x;
    }
  }
  EXPECT_EQ(distinct.size(), 255u);
  EXPECT_EQ(distinct.count(Rgb(255, 0, 0)), 0u);
}

TEST(PalettePictures, BrightnessStripTellingColumns) {
  const Picture& picture = palette::BrightnessPalettePicture();
  ExpectStripShape(picture);
  ExpectColumns(picture, {{0, Grey(150)},
                          {3, Grey(150)},
                          {4, Grey(151)},
                          {9, Grey(151)},
                          {10, Grey(152)},
                          {132, Grey(179)},
                          {133, Grey(180)},
                          {137, Grey(180)},
                          {138, Grey(181)},
                          {267, Grey(220)},
                          {268, Grey(221)},
                          {270, Grey(221)}});
}

TEST(PalettePictures, BrightnessStripRisesThroughEveryLevel) {
  const Picture& picture = palette::BrightnessPalettePicture();
  std::set<uint32_t> distinct;
  for (int x = 0; x < picture.width; ++x) {
    const uint32_t grey = picture.At(x, 0) & 0xFF;
    EXPECT_EQ(picture.At(x, 0), Grey(grey));
    if (x > 0) {
      const uint32_t before = picture.At(x - 1, 0) & 0xFF;
      EXPECT_TRUE(grey == before || grey == before + 1) << "column " << x;
    }
    distinct.insert(grey);
  }
  EXPECT_EQ(distinct.size(), 72u);
}

}  // namespace
