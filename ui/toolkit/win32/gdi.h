// Owning, counted wrappers for the GDI and USER objects the toolkit creates,
// and scope objects that put back what they changed.
#pragma once

#include <windows.h>

#include "platform/win32/owned_handles.h"
#include "ui/toolkit/geometry.h"
#include "ui/toolkit/handles.h"

namespace toolkit::win32 {

using platform::FromWide;
using platform::PaintScope;
using platform::Selection;
using platform::Wide;

inline COLORREF Colour(uint32_t bgr) {
  return static_cast<COLORREF>(bgr & 0xFFFFFF);
}

// The toolkit counts every GDI and USER object it holds, for the soak test.
template <class Base, void (*Count)(int)>
struct Counted : Base {
  using Base::Base;
  template <class H>
  static void Adopt(H) {
    Count(1);
  }
  template <class H>
  void Close(H h) const {
    Base::Close(h);
    Count(-1);
  }
};

// A font, pen, brush or bitmap, deleted (and uncounted) once.
template <class H>
using GdiObject = platform::Owned<H, Counted<platform::GdiTraits<H>, detail::CountGdi>>;

using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;
using PenObject = GdiObject<HPEN>;
using BitmapObject = GdiObject<HBITMAP>;

FontObject MakeFont(const Font& font);

// GetDC / ReleaseDC for a window (nullptr: the screen).
using WindowDC = platform::BasicWindowDc<Counted<platform::WindowDcTraits, detail::CountGdi>>;
using MemoryDC = platform::BasicMemoryDc<Counted<platform::MemoryDcTraits, detail::CountGdi>>;

// A window, counted and destroyed once; it may already be gone with its
// parent. A peer's window is held by a BoundWindow (window_peer.h) instead.
struct OwnedWindowTraits : platform::Uncounted {
  static HWND Null() { return nullptr; }
  static void Close(HWND h) {
    if (IsWindow(h)) DestroyWindow(h);
  }
};
using OwnedWindow = platform::Owned<HWND, Counted<OwnedWindowTraits, detail::CountUser>>;

// A 32-bit top-down DIB section selected into its own memory DC, for
// persistent surfaces and screen captures.
class Surface {
 public:
  Surface(int width, int height);
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC Dc() const { return dc_.Get(); }
  const uint32_t* Bits() const { return bits_; }  // 0xAARRGGBB, rows top-down
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_;
  int height_;
  MemoryDC dc_{nullptr};
  uint32_t* bits_ = nullptr;
  BitmapObject bitmap_;
  Selection selected_;
};

}  // namespace toolkit::win32
