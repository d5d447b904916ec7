#include "ui/toolkit/testing/time.h"
#include "ui/toolkit/timer.h"

namespace toolkit::test {

void PumpMessages(uint32_t milliseconds) {
  backend::AdvanceHeadlessClock(milliseconds);
}

void AdvanceHeadlessClock(uint32_t milliseconds) {
  backend::AdvanceHeadlessClock(milliseconds);
}

}  // namespace toolkit::test
