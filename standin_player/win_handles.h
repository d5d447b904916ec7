// Move-only owners for the Win32 handles the stand-in creates.
#pragma once

#include <windows.h>

#include <utility>

namespace standin {

template <class H, class Traits>
class Owned {
 public:
  Owned() = default;
  explicit Owned(H h) : h_(h) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, Traits::Null())) {}
  Owned& operator=(Owned&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, Traits::Null());
    }
    return *this;
  }
  ~Owned() { Reset(); }
  void Reset(H h = Traits::Null()) {
    if (h_ != Traits::Null()) Traits::Close(h_);
    h_ = h;
  }
  H Get() const { return h_; }
  H Release() { return std::exchange(h_, Traits::Null()); }
  explicit operator bool() const { return h_ != Traits::Null(); }

 private:
  H h_ = Traits::Null();
};

struct FileTraits {
  static HANDLE Null() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct KernelTraits {
  static HANDLE Null() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
template <class G>
struct GdiTraits {
  static G Null() { return nullptr; }
  static void Close(G h) { DeleteObject(h); }
};
struct WindowTraits {
  static HWND Null() { return nullptr; }
  static void Close(HWND h) { DestroyWindow(h); }
};
struct MemoryDcTraits {
  static HDC Null() { return nullptr; }
  static void Close(HDC h) { DeleteDC(h); }
};
struct FindTraits {
  static HANDLE Null() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};

using FileHandle = Owned<HANDLE, FileTraits>;
using KernelHandle = Owned<HANDLE, KernelTraits>;
using Bitmap = Owned<HBITMAP, GdiTraits<HBITMAP>>;
using Brush = Owned<HBRUSH, GdiTraits<HBRUSH>>;
using Window = Owned<HWND, WindowTraits>;
using MemoryDc = Owned<HDC, MemoryDcTraits>;
using FindHandle = Owned<HANDLE, FindTraits>;

// A device-independent bitmap of the given size; a negative height is top-down.
inline BITMAPINFO DibInfo(int width, int height, WORD bitCount) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// GetDC/GetWindowDC paired with ReleaseDC.
class WindowDc {
 public:
  WindowDc(HWND window, bool wholeWindow)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// SelectObject undone at scope end.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { BeginPaint(window_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &ps_); }
  HDC Dc() const { return ps_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
};

}  // namespace standin
