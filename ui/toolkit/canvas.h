// Drawing surface used by every painting handler. Mirrors the few GDI
// operations the windows need; colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/toolkit/geometry.h"
#include "ui/toolkit/picture.h"

namespace toolkit {

enum class SysColor { ButtonFace, Window, WindowText, Highlight, HighlightText };

// The system colour (GetSysColor on Windows, fixed defaults headless).
uint32_t SystemColor(SysColor which);

struct Pen {
  int width = 1;
  uint32_t color = 0;
};

struct Brush {
  enum class Style { Hollow, Solid, DiagonalCross };
  Style style = Style::Solid;
  uint32_t color = 0xFFFFFF;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Solid or hatched fill of r; a hatch leaves its gaps untouched.
  virtual void FillRect(const Rect& r, const Brush& brush) = 0;
  // GDI Rectangle: outline with the pen (centred on the edge), interior with the brush.
  virtual void Rectangle(const Rect& r, const Pen& pen, const Brush& brush) = 0;
  // Stretches a whole host bitmap (an HBITMAP on Windows) into dest.
  virtual void StretchBitmap(void* bitmap, const Rect& dest) = 0;
  // Stretches a picture into dest; pictures with alpha are blended.
  virtual void StretchPicture(const Picture& picture, const Rect& dest) = 0;
  void DrawPicture(const Picture& picture, int x, int y) {
    StretchPicture(picture, Rect::FromBounds(x, y, picture.width, picture.height));
  }

  virtual void SetFont(const Font& font) = 0;
  virtual void SetTextColor(uint32_t color) = 0;
  // Opaque text fills its cell with the background colour; transparent leaves it.
  virtual void SetTextBackground(bool opaque, uint32_t color) = 0;
  virtual void TextAt(int x, int y, std::u16string_view text) = 0;
  virtual Size TextExtent(std::u16string_view text) = 0;

  // The system's dotted focus rectangle (an XOR: drawing it twice removes it).
  virtual void FocusRect(const Rect& r) = 0;
  // The surface's pixel; 0xFFFFFFFF outside it.
  virtual uint32_t PixelAt(int x, int y) = 0;
};

}  // namespace toolkit
