#include "ui/toolkit/testing/recording_canvas.h"

#include <algorithm>
#include <map>

namespace toolkit::test {
namespace {

std::map<void*, const Picture*>& HostBitmaps() {
  static std::map<void*, const Picture*> bitmaps;
  return bitmaps;
}

uint32_t Blend(uint32_t dst, uint32_t src) {
  const uint32_t alpha = src >> 24;
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t s = (src >> shift) & 0xFF;
    const uint32_t d = (dst >> shift) & 0xFF;
    out |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

Size HeadlessTextExtent(std::u16string_view text, const Font& font) {
  const int cell = (font.height * 5 + 5) / 11 + ((font.style & kBold) ? 1 : 0);
  return Size{cell * static_cast<int>(text.size()), font.height + 2};
}

void RegisterHostBitmap(void* handle, const Picture* picture) {
  if (picture) {
    HostBitmaps()[handle] = picture;
  } else {
    HostBitmaps().erase(handle);
  }
}

const Picture* RegisteredHostBitmap(void* handle) {
  auto found = HostBitmaps().find(handle);
  return found == HostBitmaps().end() ? nullptr : found->second;
}

RecordingCanvas::RecordingCanvas(int width, int height, uint32_t background) {
  Reset(width, height, background);
}

void RecordingCanvas::Reset(int width, int height, uint32_t background) {
  surface_.width = std::max(width, 0);
  surface_.height = std::max(height, 0);
  surface_.hasAlpha = false;
  surface_.pixels.assign(static_cast<size_t>(surface_.width) * surface_.height, background);
  ops_.clear();
}

void RecordingCanvas::Put(int x, int y, uint32_t color) {
  if (x < 0 || y < 0 || x >= surface_.width || y >= surface_.height) return;
  surface_.pixels[static_cast<size_t>(y) * surface_.width + x] = color & 0xFFFFFF;
}

uint32_t RecordingCanvas::PixelAt(int x, int y) {
  if (x < 0 || y < 0 || x >= surface_.width || y >= surface_.height) return 0xFFFFFFFF;
  return surface_.At(x, y);
}

void RecordingCanvas::FillSolid(const Rect& r, uint32_t color) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) Put(x, y, color);
}

// GDI's HS_DIAGCROSS: an 8x8 pattern of both diagonals, aligned to the surface.
void RecordingCanvas::FillHatch(const Rect& r, uint32_t color) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (((x - y) & 7) == 0 || ((x + y) & 7) == 7) Put(x, y, color);
}

void RecordingCanvas::FillRect(const Rect& r, const Brush& brush) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::Fill;
  op.rect = r;
  op.brush = brush;
  ops_.push_back(op);
  if (brush.style == Brush::Style::Solid) FillSolid(r, brush.color);
  if (brush.style == Brush::Style::DiagonalCross) FillHatch(r, brush.color);
}

void RecordingCanvas::Rectangle(const Rect& r, const Pen& pen, const Brush& brush) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::Rectangle;
  op.rect = r;
  op.pen = pen;
  op.brush = brush;
  ops_.push_back(op);
  // The outline hugs the inside of r for width 1 and is centred on it when wider;
  // the brush fills what the pen leaves inside.
  const int w = std::max(pen.width, 1);
  const int outer = w / 2;
  const Rect frame{r.left - outer, r.top - outer, r.right + (w - 1) / 2, r.bottom + (w - 1) / 2};
  const Rect inner{frame.left + w, frame.top + w, frame.right - w, frame.bottom - w};
  if (brush.style == Brush::Style::Solid) FillSolid(inner, brush.color);
  if (brush.style == Brush::Style::DiagonalCross) FillHatch(inner, brush.color);
  FillSolid(Rect{frame.left, frame.top, frame.right, frame.top + w}, pen.color);
  FillSolid(Rect{frame.left, frame.bottom - w, frame.right, frame.bottom}, pen.color);
  FillSolid(Rect{frame.left, frame.top, frame.left + w, frame.bottom}, pen.color);
  FillSolid(Rect{frame.right - w, frame.top, frame.right, frame.bottom}, pen.color);
}

void RecordingCanvas::Blit(const Picture& picture, const Rect& dest) {
  if (picture.Empty() || dest.Width() <= 0 || dest.Height() <= 0) return;
  for (int y = dest.top; y < dest.bottom; ++y) {
    const int sy = (y - dest.top) * picture.height / dest.Height();
    for (int x = dest.left; x < dest.right; ++x) {
      const int sx = (x - dest.left) * picture.width / dest.Width();
      const uint32_t src = picture.At(sx, sy);
      const uint32_t dst = PixelAt(x, y);
      Put(x, y, picture.hasAlpha && dst != 0xFFFFFFFF ? Blend(dst, src) : src);
    }
  }
}

void RecordingCanvas::StretchBitmap(void* bitmap, const Rect& dest) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::Bitmap;
  op.rect = dest;
  op.bitmap = bitmap;
  ops_.push_back(op);
  if (const Picture* picture = RegisteredHostBitmap(bitmap)) Blit(*picture, dest);
}

void RecordingCanvas::StretchPicture(const Picture& picture, const Rect& dest) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::Picture;
  op.rect = dest;
  ops_.push_back(op);
  Blit(picture, dest);
}

void RecordingCanvas::SetTextBackground(bool opaque, uint32_t color) {
  textOpaque_ = opaque;
  textBackground_ = color;
}

void RecordingCanvas::TextAt(int x, int y, std::u16string_view text) {
  const Size extent = TextExtent(text);
  CanvasOp op;
  op.kind = CanvasOp::Kind::Text;
  op.rect = Rect::FromBounds(x, y, extent.width, extent.height);
  op.text = std::u16string(text);
  op.font = font_;
  op.textColor = textColor_;
  op.opaque = textOpaque_;
  op.background = textBackground_;
  ops_.push_back(op);
  if (textOpaque_) FillSolid(op.rect, textBackground_);
}

void RecordingCanvas::FocusRect(const Rect& r) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::FocusRect;
  op.rect = r;
  ops_.push_back(op);
  auto flip = [this](int x, int y) {
    if (((x + y) & 1) == 0) Put(x, y, PixelAt(x, y) ^ 0xFFFFFF);
  };
  for (int x = r.left; x < r.right; ++x) {
    flip(x, r.top);
    if (r.bottom - 1 > r.top) flip(x, r.bottom - 1);
  }
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    flip(r.left, y);
    if (r.right - 1 > r.left) flip(r.right - 1, y);
  }
}

}  // namespace toolkit::test
