// Palette strip arithmetic: palette index <-> colour, and the thumb drag.
// Pure functions and state, so the strip control and the tests share them.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/toolkit/picture.h"

namespace palette {

constexpr int kThumbSize = 15;

// Colour of row 1 at column (index * width) div max + 1, the column clamped to
// the picture. A max <= 0 reads column 0; an empty picture gives 0 (black).
uint32_t GetColorFromIndex(const toolkit::Picture& picture, int32_t max, int32_t index);

// First column of row 1 holding exactly `color`, scaled to (max * column) div
// width; strips with max 100 add 1 to a non-zero index. -1 when no column
// matches; a max <= 0 gives index 0 for a match.
int32_t GetIndexFromColor(const toolkit::Picture& picture, int32_t max, uint32_t color);

// Colour the thumb reports for a drag column: row 0, the column clamped to the
// picture (a strip wider than its picture would otherwise read past it).
uint32_t GetThumbColor(const toolkit::Picture& picture, int column);

// Top of the picture inside the strip, so that it is centred vertically.
int PaintTop(int stripHeight, int pictureHeight);

struct ThumbMove {
  int left = 0;    // new left of the thumb within the strip
  int column = 0;  // picture column under the thumb
};

// The thumb drag: press starts it, every move while pressed yields the new
// thumb left and the column to read, release ends it. Positions are in the
// thumb's own coordinates, as the mouse messages of the thumb deliver them.
class ThumbDrag {
 public:
  explicit ThumbDrag(int stripWidth = 0) : stripWidth_(stripWidth) {}

  void SetStripWidth(int stripWidth) { stripWidth_ = stripWidth; }
  int StripWidth() const { return stripWidth_; }
  int Left() const { return left_; }
  // Where the pointer grabbed the thumb when the current drag began.
  int GrabX() const { return grabX_; }
  bool Dragging() const { return dragging_; }

  void Press(int x);
  // A move while dragging always yields a result, also when the thumb stays
  // pressed against an end; a move while idle yields none.
  std::optional<ThumbMove> Move(int x);
  void Release() { dragging_ = false; }

 private:
  int stripWidth_;
  int left_ = 0;
  int grabX_ = 0;
  bool dragging_ = false;
};

// Column read for a thumb at `left`: left * width div (width - 30); 0 for
// strips no wider than 30 pixels, where the ratio has no meaning.
int ThumbColumn(int left, int stripWidth);

}  // namespace palette
