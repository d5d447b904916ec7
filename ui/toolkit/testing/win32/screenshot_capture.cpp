#include <windows.h>

#include "ui/toolkit/control.h"
#include "ui/toolkit/testing/screenshot.h"
#include "ui/toolkit/win32/gdi.h"

namespace toolkit::test {

// Copies the window's area of the screen: the window must be shown and on top.
Picture CaptureWindow(const Control& control) {
  HWND hwnd = static_cast<HWND>(control.Handle());
  Picture picture;
  RECT r;
  if (!hwnd || !IsWindowVisible(hwnd) || !GetWindowRect(hwnd, &r)) return picture;
  UpdateWindow(hwnd);
  win32::Surface surface(r.right - r.left, r.bottom - r.top);
  win32::WindowDC screen(nullptr);
  if (!surface.Bits() || !BitBlt(surface.Dc(), 0, 0, surface.Width(), surface.Height(),
                                 screen.Get(), r.left, r.top, SRCCOPY))
    return picture;
  GdiFlush();
  picture.width = surface.Width();
  picture.height = surface.Height();
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const uint32_t c = surface.Bits()[i];  // 0x00RRGGBB to 0x00BBGGRR
    picture.pixels[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  return picture;
}

}  // namespace toolkit::test
