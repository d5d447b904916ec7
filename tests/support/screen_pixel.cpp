#include "screen_pixel.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fixture {

uint32_t ScreenPixel(void* window, int x, int y) {
#ifdef _WIN32
  HWND hwnd = static_cast<HWND>(window);
  HDC dc = GetDC(hwnd);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return pixel;
#else
  (void)window;
  (void)x;
  (void)y;
  return 0;
#endif
}

toolkit::Rect RealBounds(void* window) {
#ifdef _WIN32
  HWND hwnd = static_cast<HWND>(window);
  RECT r{};
  if (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) {
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  } else {
    GetClientRect(hwnd, &r);
  }
  return toolkit::Rect{r.left, r.top, r.right, r.bottom};
#else
  (void)window;
  return toolkit::Rect{};
#endif
}

}  // namespace fixture
