#include "ui/palette/palette_mapping.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "tests/palette/rgb.h"
#include "ui/palette/palette_pictures.h"

namespace {

using palette_test::Grey;
using palette_test::Rgb;
using toolkit::Picture;

constexpr int32_t kColourMax = 200;
constexpr int32_t kBrightnessMax = 100;

struct Strip {
  const Picture& picture;
  int32_t max;
  uint32_t ColorOf(int32_t index) const { return palette::GetColorFromIndex(picture, max, index); }
  int32_t IndexOf(uint32_t color) const { return palette::GetIndexFromColor(picture, max, color); }
  int32_t RoundTrip(int32_t index) const { return IndexOf(ColorOf(index)); }
};

Strip ColourStrip() {
  return {palette::ColorPalettePicture(), kColourMax};
}
Strip BrightnessStrip() {
  return {palette::BrightnessPalettePicture(), kBrightnessMax};
}

struct IndexColour {
  int32_t index;
  uint32_t color;
};

TEST(PaletteMapping, IndexToColour) {
  const Strip colour = ColourStrip();
  for (const IndexColour& c : {IndexColour{0, Rgb(0, 0, 0)},
                               {1, Rgb(255, 6, 0)},
                               {12, Rgb(255, 90, 0)},
                               {100, Rgb(0, 255, 252)},
                               {199, Rgb(255, 0, 6)},
                               {200, Rgb(255, 0, 6)},
                               {-1, Rgb(0, 0, 0)},
                               {250, Rgb(255, 0, 6)},
                               {INT32_MIN, Rgb(0, 0, 0)},
                               {INT32_MAX, Rgb(255, 0, 6)}}) {
    EXPECT_EQ(colour.ColorOf(c.index), c.color) << "colour index " << c.index;
  }
  const Strip brightness = BrightnessStrip();
  for (const IndexColour& c : {IndexColour{0, Grey(150)},
                               {1, Grey(150)},
                               {2, Grey(151)},
                               {50, Grey(180)},
                               {99, Grey(221)},
                               {100, Grey(221)},
                               {-5, Grey(150)},
                               {1000, Grey(221)}}) {
    EXPECT_EQ(brightness.ColorOf(c.index), c.color) << "brightness index " << c.index;
  }
}

TEST(PaletteMapping, ColourToIndex) {
  const Strip colour = ColourStrip();
  for (const IndexColour& c : {IndexColour{0, Rgb(0, 0, 0)},
                               {1, Rgb(255, 6, 0)},
                               {11, Rgb(255, 90, 0)},
                               {67, Rgb(0, 255, 0)},
                               {133, Rgb(0, 0, 255)},
                               {199, Rgb(255, 0, 6)},
                               {-1, Rgb(255, 255, 255)},
                               {-1, Rgb(255, 0, 0)}}) {
    EXPECT_EQ(colour.IndexOf(c.color), c.index) << std::hex << "colour 0x" << c.color;
  }
  const Strip brightness = BrightnessStrip();
  for (const IndexColour& c : {IndexColour{0, Grey(150)},
                               {2, Grey(151)},
                               {50, Grey(180)},
                               {99, Grey(221)},
                               {-1, Grey(255)},
                               {-1, Grey(0)}}) {
    EXPECT_EQ(brightness.IndexOf(c.color), c.index) << std::hex << "colour 0x" << c.color;
  }
}

TEST(PaletteMapping, BrightnessStripNeverYieldsItsMax) {
  const Strip brightness = BrightnessStrip();
  for (int x = 0; x < brightness.picture.width; ++x) {
    EXPECT_LT(brightness.IndexOf(brightness.picture.At(x, 1)), kBrightnessMax);
  }
}

TEST(PaletteMapping, ColourStripRoundTripLowersFourteenIndicesOnce) {
  const Strip colour = ColourStrip();
  const std::set<int32_t> lowered = {12,  25,  37,  50,  62,  75,  100,
                                     125, 138, 150, 163, 175, 188, 200};
  for (int32_t index = 0; index <= kColourMax; ++index) {
    const int32_t back = colour.RoundTrip(index);
    const int32_t expected = lowered.count(index) ? index - 1 : index;
    EXPECT_EQ(back, expected) << "index " << index;
    EXPECT_EQ(colour.RoundTrip(back), back) << "index " << index;
  }
}

TEST(PaletteMapping, BrightnessStripRoundTripSettlesWithinThreeRepetitions) {
  const Strip brightness = BrightnessStrip();
  int changed = 0;
  std::set<uint32_t> reachable;
  for (int32_t index = 0; index <= kBrightnessMax; ++index) {
    reachable.insert(brightness.ColorOf(index));
    if (brightness.RoundTrip(index) != index) ++changed;
    int32_t value = index;
    for (int repetition = 0; repetition < 3; ++repetition) value = brightness.RoundTrip(value);
    EXPECT_EQ(brightness.RoundTrip(value), value) << "index " << index;
  }
  EXPECT_EQ(changed, 42);
  EXPECT_EQ(reachable.size(), 70u);

  for (const auto& [index, back] : {std::pair{1, 0}, {6, 4}, {100, 99}, {10, 11}, {34, 35}}) {
    EXPECT_EQ(brightness.RoundTrip(index), back) << "index " << index;
  }
  // Repeated conversions climb one step at a time before they settle.
  for (const std::vector<int32_t>& chain :
       {std::vector<int32_t>{22, 23, 24, 24}, {76, 77, 78, 79, 79}}) {
    for (size_t i = 1; i < chain.size(); ++i) {
      EXPECT_EQ(brightness.RoundTrip(chain[i - 1]), chain[i]) << "index " << chain[i - 1];
    }
  }
}

TEST(PaletteMapping, DegenerateInputsAreDefined) {
  const Picture& picture = palette::ColorPalettePicture();
  // A max of 0 or below reads column 0 and maps any match to index 0.
  for (int32_t max : {0, -1, INT32_MIN}) {
    EXPECT_EQ(palette::GetColorFromIndex(picture, max, 50), picture.At(0, 1)) << "max " << max;
    EXPECT_EQ(palette::GetIndexFromColor(picture, max, Rgb(0, 0, 255)), 0) << "max " << max;
    EXPECT_EQ(palette::GetIndexFromColor(picture, max, Rgb(255, 0, 0)), -1) << "max " << max;
  }
  const Picture empty;
  EXPECT_EQ(palette::GetColorFromIndex(empty, kColourMax, 5), 0u);
  EXPECT_EQ(palette::GetIndexFromColor(empty, kColourMax, 0), -1);

  Picture oneRow;
  oneRow.width = 3;
  oneRow.height = 1;
  oneRow.pixels = {Grey(1), Grey(2), Grey(3)};
  EXPECT_EQ(palette::GetColorFromIndex(oneRow, 2, 1), Grey(3));
  EXPECT_EQ(palette::GetIndexFromColor(oneRow, 2, Grey(2)), 0);
}

TEST(PaletteMapping, PaintTopCentresThePicture) {
  EXPECT_EQ(palette::PaintTop(15, 5), 5);
  EXPECT_EQ(palette::PaintTop(16, 5), 6);
  EXPECT_EQ(palette::PaintTop(5, 5), 0);
  EXPECT_EQ(palette::PaintTop(3, 5), -1);
}

}  // namespace
