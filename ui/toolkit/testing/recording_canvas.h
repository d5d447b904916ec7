// A canvas for tests: records every operation and
// rasterises fills, frames, hatches, pictures and focus rectangles into a
// Picture so tests can check pixels. Text is recorded, not rendered; its
// opaque background cell is rasterised.
#pragma once

#include <string>
#include <vector>

#include "ui/toolkit/canvas.h"
#include "ui/toolkit/picture.h"

namespace toolkit::test {

struct CanvasOp {
  enum class Kind { Fill, Rectangle, Bitmap, Picture, Text, FocusRect };
  Kind kind = Kind::Fill;
  Rect rect;
  Pen pen;
  Brush brush;
  void* bitmap = nullptr;   // Bitmap: the host handle drawn
  std::u16string text;      // Text
  Font font;                // Text
  uint32_t textColor = 0;   // Text
  bool opaque = true;       // Text
  uint32_t background = 0;  // Text
};

// Headless text metrics: fixed-pitch cells derived from the font height.
Size HeadlessTextExtent(std::u16string_view text, const Font& font);

// What a fake host bitmap handle shows on this canvas (the picture must outlive
// its use; null unregisters); unregistered handles are only recorded.
void RegisterHostBitmap(void* handle, const Picture* picture);
const Picture* RegisteredHostBitmap(void* handle);

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int width, int height, uint32_t background = 0xFFFFFF);

  void FillRect(const Rect& r, const Brush& brush) override;
  void Rectangle(const Rect& r, const Pen& pen, const Brush& brush) override;
  void StretchBitmap(void* bitmap, const Rect& dest) override;
  void StretchPicture(const Picture& picture, const Rect& dest) override;
  void SetFont(const Font& font) override { font_ = font; }
  void SetTextColor(uint32_t color) override { textColor_ = color; }
  void SetTextBackground(bool opaque, uint32_t color) override;
  void TextAt(int x, int y, std::u16string_view text) override;
  Size TextExtent(std::u16string_view text) override { return HeadlessTextExtent(text, font_); }
  void FocusRect(const Rect& r) override;
  uint32_t PixelAt(int x, int y) override;

  const std::vector<CanvasOp>& Ops() const { return ops_; }
  const Picture& Pixels() const { return surface_; }
  void ClearOps() { ops_.clear(); }
  // Starts over: background everywhere, no operations.
  void Reset(int width, int height, uint32_t background);

 private:
  void Put(int x, int y, uint32_t color);
  void FillSolid(const Rect& r, uint32_t color);
  void FillHatch(const Rect& r, uint32_t color);
  void Blit(const Picture& picture, const Rect& dest);

  Picture surface_;
  std::vector<CanvasOp> ops_;
  Font font_;
  uint32_t textColor_ = 0;
  bool textOpaque_ = true;
  uint32_t textBackground_ = 0xFFFFFF;
};

}  // namespace toolkit::test
