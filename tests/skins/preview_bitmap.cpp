#include "preview_bitmap.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "ui/toolkit/testing/recording_canvas.h"
#endif

namespace fixture {

TestPreview::TestPreview(uint32_t color, int width, int height)
    : picture_{
          width, height, false,
          std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height), color)} {
#ifdef _WIN32
  // A device-dependent bitmap from 32-bit 0x00RRGGBB pixels, as a player may hand out.
  std::vector<uint32_t> rgb;
  rgb.reserve(picture_.pixels.size());
  for (uint32_t bgr : picture_.pixels)
    rgb.push_back(((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF));
  handle_ = CreateBitmap(width, height, 1, 32, rgb.data());
#else
  handle_ = &picture_;
  toolkit::test::RegisterHostBitmap(handle_, &picture_);
#endif
}

TestPreview::~TestPreview() {
#ifdef _WIN32
  if (handle_) DeleteObject(static_cast<HBITMAP>(handle_));
#else
  toolkit::test::RegisterHostBitmap(handle_, nullptr);
#endif
}

}  // namespace fixture
