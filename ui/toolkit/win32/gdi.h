// Owning, counted wrappers for the GDI and USER objects the toolkit creates,
// and scope objects that put back what they changed.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "ui/toolkit/geometry.h"
#include "ui/toolkit/handles.h"

namespace toolkit::win32 {

inline const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::u16string Narrow(const wchar_t* text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}
inline COLORREF Colour(uint32_t bgr) {
  return static_cast<COLORREF>(bgr & 0xFFFFFF);
}

// A font, pen, brush or bitmap, deleted (and uncounted) once.
template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H handle) : handle_(handle) {
    if (handle_) detail::CountGdi(1);
  }
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& o) noexcept : handle_(std::exchange(o.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      Reset();
      handle_ = std::exchange(o.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  H Get() const { return handle_; }
  void Reset() {
    if (!handle_) return;
    DeleteObject(handle_);
    detail::CountGdi(-1);
    handle_ = nullptr;
  }

 private:
  H handle_ = nullptr;
};

using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;
using PenObject = GdiObject<HPEN>;
using BitmapObject = GdiObject<HBITMAP>;

FontObject MakeFont(const Font& font);

// GetDC / ReleaseDC for a window (nullptr: the screen).
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {
    if (dc_) detail::CountGdi(1);
  }
  ~WindowDC() {
    if (!dc_) return;
    ReleaseDC(hwnd_, dc_);
    detail::CountGdi(-1);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (dc_) detail::CountGdi(1);
  }
  ~MemoryDC() {
    if (!dc_) return;
    DeleteDC(dc_);
    detail::CountGdi(-1);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// SelectObject for a scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint / EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd_, &ps_); }
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC Get() const { return ps_.hdc; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
};

// A plain child window without a peer (a radio button, spin arrows), counted
// and destroyed once; it may already be gone with its parent.
class ChildWindow {
 public:
  explicit ChildWindow(HWND hwnd) : hwnd_(hwnd) {
    if (hwnd_) detail::CountUser(1);
  }
  ~ChildWindow() {
    if (!hwnd_) return;
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    detail::CountUser(-1);
  }
  ChildWindow(const ChildWindow&) = delete;
  ChildWindow& operator=(const ChildWindow&) = delete;
  HWND Get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

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
  ~Surface();
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
  HGDIOBJ previous_ = nullptr;
};

}  // namespace toolkit::win32
