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

// A plain child window without a peer (a radio button, spin arrows), counted
// and destroyed once; it may already be gone with its parent.
struct ChildWindowTraits : platform::Uncounted {
  static HWND Null() { return nullptr; }
  static void Close(HWND h) {
    if (IsWindow(h)) DestroyWindow(h);
  }
};
using ChildWindow = platform::Owned<HWND, Counted<ChildWindowTraits, detail::CountUser>>;

// A window, counted and destroyed once. One the system destroys on its own
// (with its parent) is forgotten by whoever hears its WM_NCDESTROY; the
// system kills a window's timers with it.
class OwnedWindow {
 public:
  OwnedWindow() = default;
  explicit OwnedWindow(HWND hwnd) : hwnd_(hwnd) {
    if (hwnd_) detail::CountUser(1);
  }
  ~OwnedWindow() { Reset(); }
  OwnedWindow(OwnedWindow&& o) noexcept : hwnd_(std::exchange(o.hwnd_, nullptr)) {}
  OwnedWindow& operator=(OwnedWindow&& o) noexcept {
    if (this != &o) {
      Reset();
      hwnd_ = std::exchange(o.hwnd_, nullptr);
    }
    return *this;
  }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;

  HWND Get() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }
  // The window hears of its end (WM_NCDESTROY) while it is still held here.
  void Reset() {
    if (!hwnd_) return;
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    Forget();
  }
  // The system has destroyed the window.
  void Forget() {
    if (!hwnd_) return;
    hwnd_ = nullptr;
    detail::CountUser(-1);
  }

 private:
  HWND hwnd_ = nullptr;
};

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
