// A picture held in memory: row-major pixels, 0x00BBGGRR colours (the top byte
// is alpha where a picture has one, 0 otherwise).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace toolkit {

struct Picture {
  int width = 0;
  int height = 0;
  bool hasAlpha = false;
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const {
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
  bool Empty() const { return width <= 0 || height <= 0; }
};

}  // namespace toolkit
