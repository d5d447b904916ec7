// Natively there are no real windows to act on.
#include "ui/toolkit/testing/window_actions.h"

namespace toolkit::test {

bool ActOnWindow(void*, const WindowAction&) {
  return false;
}

}  // namespace toolkit::test
