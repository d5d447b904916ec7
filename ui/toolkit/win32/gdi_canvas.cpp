#include "ui/toolkit/win32/gdi_canvas.h"

#include <algorithm>
#include <vector>

namespace toolkit {

uint32_t SystemColor(SysColor which) {
  switch (which) {
    case SysColor::ButtonFace:
      return GetSysColor(COLOR_BTNFACE);
    case SysColor::Window:
      return GetSysColor(COLOR_WINDOW);
    case SysColor::WindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    case SysColor::Highlight:
      return GetSysColor(COLOR_HIGHLIGHT);
    case SysColor::HighlightText:
      return GetSysColor(COLOR_HIGHLIGHTTEXT);
  }
  return 0;
}

namespace win32 {

FontObject MakeFont(const Font& font) {
  // A symbol font's glyphs sit in its symbol character set only.
  const bool symbol =
      font.face == u"Webdings" || font.face == u"Wingdings" || font.face == u"Marlett";
  return FontObject(CreateFontW(-font.height, 0, 0, 0, (font.style & kBold) ? FW_BOLD : FW_NORMAL,
                                (font.style & kItalic) != 0, (font.style & kUnderline) != 0, FALSE,
                                symbol ? SYMBOL_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                Wide(font.face)));
}

BrushObject MakeBrush(const Brush& brush) {
  switch (brush.style) {
    case Brush::Style::Solid:
      return BrushObject(CreateSolidBrush(Colour(brush.color)));
    case Brush::Style::DiagonalCross:
      return BrushObject(CreateHatchBrush(HS_DIAGCROSS, Colour(brush.color)));
    case Brush::Style::Hollow:
      break;
  }
  return BrushObject();
}

namespace {

Size BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return Size{};
  return Size{info.bmWidth, info.bmHeight};
}

HBITMAP TopDownDib(HDC dc, int width, int height, uint32_t** bits) {
  const BITMAPINFO info = platform::DibInfo(width, -height, 32);
  void* out = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &out, nullptr, 0);
  *bits = static_cast<uint32_t*>(out);
  return bitmap;
}

}  // namespace

Surface::Surface(int width, int height)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      bitmap_(TopDownDib(dc_.Get(), width_, height_, &bits_)),
      selected_(dc_.Get(), bitmap_.Get()) {}

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}

GdiCanvas::~GdiCanvas() {
  RestoreDC(dc_, saved_);
}

void GdiCanvas::FillRect(const Rect& r, const Brush& brush) {
  BrushObject object = MakeBrush(brush);
  if (!object.Get()) return;
  const RECT rect{r.left, r.top, r.right, r.bottom};
  // A hatch leaves its gaps alone.
  const int mode = SetBkMode(dc_, TRANSPARENT);
  ::FillRect(dc_, &rect, object.Get());
  SetBkMode(dc_, mode);
}

void GdiCanvas::Rectangle(const Rect& r, const Pen& pen, const Brush& brush) {
  PenObject penObject(CreatePen(PS_SOLID, pen.width, Colour(pen.color)));
  BrushObject brushObject = MakeBrush(brush);
  Selection selectPen(dc_, penObject.Get());
  Selection selectBrush(dc_, brushObject.Get() ? static_cast<HGDIOBJ>(brushObject.Get())
                                               : GetStockObject(NULL_BRUSH));
  const int mode = SetBkMode(dc_, TRANSPARENT);
  ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
  SetBkMode(dc_, mode);
}

void GdiCanvas::StretchBitmap(void* bitmap, const Rect& dest) {
  const Size size = BitmapSize(static_cast<HBITMAP>(bitmap));
  if (size.width <= 0 || size.height <= 0) return;
  MemoryDC source(dc_);
  Selection select(source.Get(), static_cast<HBITMAP>(bitmap));
  const int mode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), source.Get(), 0, 0, size.width,
             size.height, SRCCOPY);
  SetStretchBltMode(dc_, mode);
}

void GdiCanvas::StretchPicture(const Picture& picture, const Rect& dest) {
  if (picture.Empty()) return;
  Surface source(picture.width, picture.height);
  uint32_t* out = const_cast<uint32_t*>(source.Bits());
  if (!out) return;
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const uint32_t c = picture.pixels[i];  // 0xAABBGGRR to premultiplied 0xAARRGGBB
    const uint32_t a = picture.hasAlpha ? c >> 24 : 255;
    const uint32_t r = (c & 0xFF) * a / 255;
    const uint32_t g = ((c >> 8) & 0xFF) * a / 255;
    const uint32_t b = ((c >> 16) & 0xFF) * a / 255;
    out[i] = (a << 24) | (r << 16) | (g << 8) | b;
  }
  if (picture.hasAlpha) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc_, dest.left, dest.top, dest.Width(), dest.Height(), source.Dc(), 0, 0,
               picture.width, picture.height, blend);
    return;
  }
  const int mode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), source.Dc(), 0, 0,
             picture.width, picture.height, SRCCOPY);
  SetStretchBltMode(dc_, mode);
}

void GdiCanvas::SetFont(const Font& font) {
  FontObject next = MakeFont(font);
  SelectObject(dc_, next.Get());  // RestoreDC puts the original back
  font_ = std::move(next);
}

void GdiCanvas::SetTextColor(uint32_t color) {
  ::SetTextColor(dc_, Colour(color));
}

void GdiCanvas::SetTextBackground(bool opaque, uint32_t color) {
  SetBkMode(dc_, opaque ? OPAQUE : TRANSPARENT);
  SetBkColor(dc_, Colour(color));
}

void GdiCanvas::TextAt(int x, int y, std::u16string_view text) {
  ::TextOutW(dc_, x, y, reinterpret_cast<const wchar_t*>(text.data()),
             static_cast<int>(text.size()));
}

Size GdiCanvas::TextExtent(std::u16string_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.data()),
                        static_cast<int>(text.size()), &size);
  return Size{size.cx, size.cy};
}

void GdiCanvas::FocusRect(const Rect& r) {
  const RECT rect{r.left, r.top, r.right, r.bottom};
  DrawFocusRect(dc_, &rect);
}

uint32_t GdiCanvas::PixelAt(int x, int y) {
  const COLORREF c = GetPixel(dc_, x, y);
  return c == CLR_INVALID ? 0xFFFFFFFF : static_cast<uint32_t>(c);
}

}  // namespace win32
}  // namespace toolkit
