// One move-only owner for every Win32 handle, and the scopes that put back what
// they changed. The plug-in and the stand-in player both build on these.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace platform {

// UTF-16 text as the system's wide characters: the same 16-bit units on Windows.
inline const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline const wchar_t* Wide(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}
// A copy of a terminated wide string as UTF-16.
inline std::u16string FromWide(const wchar_t* text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// Traits say which value means "none" (Null) and how a handle is given back
// (Close). Adopt is called for every handle taken over, so that an owner can
// count what it holds; most do not. A traits object may carry what Close
// needs, such as the window a device context came from.
struct Uncounted {
  template <class H>
  static void Adopt(H) {}
};

template <class H, class Traits>
class Owned : private Traits {
 public:
  Owned() = default;
  explicit Owned(H h, Traits traits = Traits()) : Traits(traits), h_(h) { AdoptHeld(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& o) noexcept
      : Traits(static_cast<const Traits&>(o)), h_(std::exchange(o.h_, Traits::Null())) {}
  Owned& operator=(Owned&& o) noexcept {
    if (this != &o) {
      Reset();
      static_cast<Traits&>(*this) = static_cast<const Traits&>(o);
      h_ = std::exchange(o.h_, Traits::Null());
    }
    return *this;
  }
  ~Owned() { Reset(); }

  void Reset(H h = Traits::Null()) {
    if (h_ != Traits::Null()) Traits::Close(h_);
    h_ = h;
    AdoptHeld();
  }
  H Get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::Null(); }
  // Gives the handle up unclosed, to a caller that closes it and reports how.
  H Detach() { return std::exchange(h_, Traits::Null()); }

 private:
  void AdoptHeld() {
    if (h_ != Traits::Null()) Traits::Adopt(h_);
  }

  H h_ = Traits::Null();
};

struct FileTraits : Uncounted {
  static HANDLE Null() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct KernelTraits : Uncounted {
  static HANDLE Null() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindTraits : Uncounted {
  static HANDLE Null() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};
template <class G>
struct GdiTraits : Uncounted {
  static G Null() { return nullptr; }
  static void Close(G h) { DeleteObject(h); }
};
struct LibraryTraits : Uncounted {
  static HMODULE Null() { return nullptr; }
  static void Close(HMODULE h) { FreeLibrary(h); }
};
struct WindowTraits : Uncounted {
  static HWND Null() { return nullptr; }
  static void Close(HWND h) { DestroyWindow(h); }
};
struct MemoryDcTraits : Uncounted {
  static HDC Null() { return nullptr; }
  static void Close(HDC h) { DeleteDC(h); }
};
struct WindowDcTraits : Uncounted {
  WindowDcTraits() = default;
  explicit WindowDcTraits(HWND w) : window(w) {}
  static HDC Null() { return nullptr; }
  void Close(HDC h) const { ReleaseDC(window, h); }
  HWND window = nullptr;  // ReleaseDC needs it
};

using FileHandle = Owned<HANDLE, FileTraits>;
using KernelHandle = Owned<HANDLE, KernelTraits>;
using FindHandle = Owned<HANDLE, FindTraits>;
template <class G>
using GdiHandle = Owned<G, GdiTraits<G>>;
using WindowHandle = Owned<HWND, WindowTraits>;

// CreateCompatibleDC / DeleteDC (compatible with the screen for nullptr).
template <class Traits = MemoryDcTraits>
class BasicMemoryDc : public Owned<HDC, Traits> {
 public:
  explicit BasicMemoryDc(HDC compatibleWith)
      : Owned<HDC, Traits>(CreateCompatibleDC(compatibleWith)) {}
};
using MemoryDc = BasicMemoryDc<>;

// GetDC / ReleaseDC for a window's client area (nullptr: the screen).
template <class Traits = WindowDcTraits>
class BasicWindowDc : public Owned<HDC, Traits> {
 public:
  explicit BasicWindowDc(HWND window) : Owned<HDC, Traits>(GetDC(window), Traits(window)) {}
};
using WindowDc = BasicWindowDc<>;

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

}  // namespace platform
