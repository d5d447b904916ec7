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

}  // namespace fixture
