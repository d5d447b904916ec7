// The Canvas on a real device context.
#pragma once

#include <windows.h>

#include "ui/toolkit/canvas.h"
#include "ui/toolkit/win32/gdi.h"

namespace toolkit::win32 {

class GdiCanvas : public Canvas {
 public:
  explicit GdiCanvas(HDC dc);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void FillRect(const Rect& r, const Brush& brush) override;
  void Rectangle(const Rect& r, const Pen& pen, const Brush& brush) override;
  void StretchBitmap(void* bitmap, const Rect& dest) override;
  void StretchPicture(const Picture& picture, const Rect& dest) override;
  void SetFont(const Font& font) override;
  void SetTextColor(uint32_t color) override;
  void SetTextBackground(bool opaque, uint32_t color) override;
  void TextAt(int x, int y, std::u16string_view text) override;
  Size TextExtent(std::u16string_view text) override;
  void FocusRect(const Rect& r) override;
  uint32_t PixelAt(int x, int y) override;

 private:
  HDC dc_;
  int saved_;
  FontObject font_;
};

BrushObject MakeBrush(const Brush& brush);

}  // namespace toolkit::win32
