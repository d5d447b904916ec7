#include "tests/colors/window_cases.h"
#include "tests/support/screen_pixel.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace colors_test {

#ifdef _WIN32
uint32_t ScreenPixel(const toolkit::Control& control, int x, int y) {
  return fixture::ScreenPixel(control.Handle(), x, y);
}

toolkit::Rect RealBounds(const toolkit::Control& control) {
  return fixture::RealBounds(control.Handle());
}

toolkit::Rect ItemRectOf(const toolkit::ListBox& list, int index) {
  RECT r{};
  SendMessageW(static_cast<HWND>(list.Handle()), LB_GETITEMRECT, index,
               reinterpret_cast<LPARAM>(&r));
  return toolkit::Rect{r.left, r.top, r.right, r.bottom};
}

bool HasRealCapture(const toolkit::Control& control) {
  return GetCapture() == static_cast<HWND>(control.Handle());
}
#else
uint32_t ScreenPixel(const toolkit::Control&, int, int) {
  return 0xFFFFFFFF;
}
toolkit::Rect RealBounds(const toolkit::Control&) {
  return toolkit::Rect{};
}
toolkit::Rect ItemRectOf(const toolkit::ListBox& list, int index) {
  return list.ItemRect(index);
}
bool HasRealCapture(const toolkit::Control&) {
  return false;
}
#endif

}  // namespace colors_test
