#include "ui/palette/palette_mapping.h"

#include <algorithm>

namespace palette {
namespace {

// Brightness strips map columns to indices one higher; the adjustment is
// keyed to this Max value alone.
constexpr int32_t kBrightnessMax = 100;

// Pictures with a single row have no row 1; they read the row they have.
int MappingRow(const toolkit::Picture& picture) {
  return std::min(1, picture.height - 1);
}

}  // namespace

uint32_t GetColorFromIndex(const toolkit::Picture& picture, int32_t max, int32_t index) {
  if (picture.Empty()) return 0;
  int64_t column = 0;
  if (max > 0) {
    // 64-bit so that any index scales without overflow; C++ division
    // truncates toward zero.
    column = static_cast<int64_t>(index) * picture.width / max + 1;
  }
  column = std::clamp<int64_t>(column, 0, picture.width - 1);
  return picture.At(static_cast<int>(column), MappingRow(picture));
}

int32_t GetIndexFromColor(const toolkit::Picture& picture, int32_t max, uint32_t color) {
  if (picture.Empty()) return -1;
  const int row = MappingRow(picture);
  for (int x = 0; x < picture.width; ++x) {
    if (picture.At(x, row) != color) continue;
    if (max <= 0) return 0;
    auto index = static_cast<int32_t>(static_cast<int64_t>(max) * x / picture.width);
    if (max == kBrightnessMax && index != 0) ++index;
    return index;
  }
  return -1;
}

uint32_t GetThumbColor(const toolkit::Picture& picture, int column) {
  if (picture.Empty()) return 0;
  return picture.At(std::clamp(column, 0, picture.width - 1), 0);
}

int PaintTop(int stripHeight, int pictureHeight) {
  return stripHeight / 2 - pictureHeight / 2;
}

int ThumbColumn(int left, int stripWidth) {
  constexpr int kThumbTravelMargin = 2 * kThumbSize;
  if (stripWidth <= kThumbTravelMargin) return 0;
  return static_cast<int>(static_cast<int64_t>(left) * stripWidth /
                          (stripWidth - kThumbTravelMargin));
}

void ThumbDrag::Press(int x) {
  dragging_ = true;
  grabX_ = x;
}

std::optional<ThumbMove> ThumbDrag::Move(int x) {
  if (!dragging_) return std::nullopt;
  // The grabbed point stays under the pointer; a strip narrower than the
  // thumb pins it at 0.
  const int64_t wanted = static_cast<int64_t>(left_) + x - grabX_;
  const int64_t maxLeft = std::max(0, stripWidth_ - kThumbSize);
  left_ = static_cast<int>(std::clamp<int64_t>(wanted, 0, maxLeft));
  return ThumbMove{left_, ThumbColumn(left_, stripWidth_)};
}

}  // namespace palette
