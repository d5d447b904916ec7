// Colour literals for the palette tests, written as (red, green, blue).
#pragma once

#include <cstdint>

namespace palette_test {

constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}
constexpr uint32_t Grey(uint32_t v) {
  return Rgb(v, v, v);
}

}  // namespace palette_test
