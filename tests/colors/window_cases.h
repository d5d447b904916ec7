// The two selection windows side by side, for tests that run on both, and
// reading of what a control shows: real screen pixels with real windows,
// the test canvas without.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "tests/palette/rgb.h"
#include "ui/palette/brightness_window.h"
#include "ui/palette/colour_window.h"

namespace colors_test {

using palette_test::Grey;
using palette_test::Rgb;

struct WindowCase {
  const char* window;
  std::function<std::unique_ptr<kaleidra::TPaletteListForm>()> make;
};

inline const WindowCase kWindows[] = {
    {"colour", [] { return std::make_unique<kaleidra::TColorListForm>(); }},
    {"brightness", [] { return std::make_unique<kaleidra::TIntensityListForm>(); }},
};

// A pixel of the control's window as the screen shows it; real windows only.
uint32_t ScreenPixel(const toolkit::Control& control, int x, int y);
// Where the control's real window sits in its parent's client area (a form:
// its client size); real windows only.
toolkit::Rect RealBounds(const toolkit::Control& control);
// An item's rectangle in the list's client area, from the real list box when
// there is one.
toolkit::Rect ItemRectOf(const toolkit::ListBox& list, int index);
// The control holding the mouse capture, by its real window; real windows only.
bool HasRealCapture(const toolkit::Control& control);

}  // namespace colors_test
