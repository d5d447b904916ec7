#include "ui/palette/colour_swatch.h"

namespace kaleidra {

void TColorIcon::Paint(toolkit::Canvas& canvas) {
  // Whatever the surface clips to is all that shows.
  const toolkit::Rect client{0, 0, Bounds().Width(), Bounds().Height()};
  canvas.FillRect(client, toolkit::Brush{toolkit::Brush::Style::Solid, FColor});
}

void TColorIcon::SetColor(uint32_t color) {
  FColor = color;
  PaintNow();
}

}  // namespace kaleidra
