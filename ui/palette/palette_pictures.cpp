// Both pictures are generated from small tables instead of being stored as
// bitmaps: the tables are the reviewable source of every pixel value.
#include "ui/palette/palette_pictures.h"

#include <array>
#include <cstdint>

namespace palette {
namespace {

constexpr int kPaletteWidth = 271;
constexpr int kPaletteHeight = 5;

constexpr uint32_t Rgb(int red, int green, int blue) {
  return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) |
         (static_cast<uint32_t>(blue) << 16);
}

// One hue step of the colour strip: within each sixth of the circle one
// channel moves by 6 per step while the others stay put.
uint32_t HueStepColor(int step) {
  if (step <= 42) return Rgb(255, 6 * step, 0);
  if (step <= 84) return Rgb(510 - 6 * step, 255, 0);
  if (step <= 127) return Rgb(0, 255, 6 * (step - 85));
  if (step <= 169) return Rgb(0, 6 * (170 - step), 255);
  if (step <= 212) return Rgb(6 * (step - 170), 0, 255);
  return Rgb(255, 0, 6 * (255 - step));
}

// Columns 0 and 1 are black; every column that is a multiple of 17 repeats
// its left neighbour, which is what the step formula yields.
uint32_t ColorColumn(int column) {
  if (column < 2) return Rgb(0, 0, 0);
  return HueStepColor(column - 1 - column / 17);
}

// Grey 150 starts at column 0; greys 151 to 221 start at these columns.
constexpr int kFirstGrey = 150;
constexpr std::array<int, 71> kGreyStarts = {
    4,   10,  18,  23,  28,  35,  40,  46,  50,  56,  60,  63,  69,  73,  78,  81,  86,  89,
    93,  98,  101, 105, 108, 113, 116, 119, 123, 126, 131, 133, 138, 141, 143, 147, 150, 154,
    157, 161, 164, 167, 171, 173, 177, 180, 184, 187, 189, 193, 196, 200, 202, 206, 209, 212,
    216, 218, 222, 225, 229, 231, 234, 238, 241, 245, 247, 251, 254, 257, 261, 264, 268};

uint32_t GreyColumn(int column) {
  int grey = kFirstGrey;
  for (int start : kGreyStarts) {
    if (column < start) break;
    ++grey;
  }
  return Rgb(grey, grey, grey);
}

template <typename ColumnColor>
toolkit::Picture MakeStrip(ColumnColor columnColor) {
  toolkit::Picture picture;
  picture.width = kPaletteWidth;
  picture.height = kPaletteHeight;
  picture.pixels.reserve(static_cast<size_t>(kPaletteWidth) * kPaletteHeight);
  for (int y = 0; y < kPaletteHeight; ++y) {
    for (int x = 0; x < kPaletteWidth; ++x) picture.pixels.push_back(columnColor(x));
  }
  return picture;
}

}  // namespace

const toolkit::Picture& ColorPalettePicture() {
  static const toolkit::Picture picture = MakeStrip(ColorColumn);
  return picture;
}

const toolkit::Picture& BrightnessPalettePicture() {
  static const toolkit::Picture picture = MakeStrip(GreyColumn);
  return picture;
}

}  // namespace palette
