#include "ui/toolkit/handles.h"

namespace toolkit {
namespace {
HandleCounts gCounts;
}

HandleCounts LiveHandles() {
  return gCounts;
}

namespace detail {
void CountUser(int delta) {
  gCounts.user += delta;
}
void CountGdi(int delta) {
  gCounts.gdi += delta;
}
}  // namespace detail

}  // namespace toolkit
