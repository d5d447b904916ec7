// Letting time pass in a test.
#pragma once

#include <cstdint>

namespace toolkit::test {

// Runs the message loop for that long with real windows, or moves the
// headless clock on and fires the headless timers that fall due.
void PumpMessages(uint32_t milliseconds);
// The headless clock alone, for exact time; with real windows there is none.
void AdvanceHeadlessClock(uint32_t milliseconds);

}  // namespace toolkit::test
