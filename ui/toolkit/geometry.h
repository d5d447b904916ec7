// Plain value types shared by the controls, the canvas and the peers.
#pragma once

#include <cstdint>
#include <string>

namespace toolkit {

struct Size {
  int width = 0;
  int height = 0;
};

// Edges in pixels; right and bottom are exclusive, as in Win32.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static Rect FromBounds(int left, int top, int width, int height) {
    return Rect{left, top, left + width, top + height};
  }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

enum FontStyle : uint8_t {
  kRegular = 0,
  kBold = 1,
  kItalic = 2,
  kUnderline = 4,
};

struct Font {
  std::u16string face = u"Tahoma";
  int height = 11;  // character height in pixels (Tahoma 8 pt at 96 dpi)
  uint8_t style = kRegular;

  bool operator==(const Font& o) const {
    return face == o.face && height == o.height && style == o.style;
  }
};

enum ShiftState : uint8_t {
  kNoShift = 0,
  kShift = 1,
  kCtrl = 2,
  kAlt = 4,
};

enum class MouseButton { Left, Right, Middle };

// Virtual-key codes the toolkit itself interprets.
constexpr uint16_t kKeyEnd = 35;
constexpr uint16_t kKeyHome = 36;
constexpr uint16_t kKeyUp = 38;
constexpr uint16_t kKeyDown = 40;
constexpr uint16_t kKeyDelete = 46;

}  // namespace toolkit
