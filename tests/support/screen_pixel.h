// Reads what a real window shows on screen (Win32 builds only).
#pragma once

#include <cstdint>

namespace fixture {

// The colour (0x00BBGGRR) at x, y of the window's client area; 0 without windows.
uint32_t ScreenPixel(void* window, int x, int y);

}  // namespace fixture
