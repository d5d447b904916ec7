// Reads what a real window shows on screen (Win32 builds only).
#pragma once

#include <cstdint>

#include "ui/toolkit/geometry.h"

namespace fixture {

// The colour (0x00BBGGRR) at x, y of the window's client area; 0 without windows.
uint32_t ScreenPixel(void* window, int x, int y);

// Where a child window sits in its parent's client area; for a top-level
// window, its client area. Empty without windows.
toolkit::Rect RealBounds(void* window);

}  // namespace fixture
