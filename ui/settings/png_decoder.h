// PNG decoding for the pictures the windows show (the settings banner).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/toolkit/picture.h"

namespace png {

// Largest picture accepted, in pixels; keeps a hostile header from asking for
// gigabytes inside the player's address space.
constexpr uint32_t kMaxPixels = 1u << 22;

// Decodes an 8-bit RGB or RGBA, non-interlaced PNG. RGBA gives hasAlpha with
// the alpha in the top byte; RGB gives a top byte of 0. Anything else, and any
// damaged or truncated input, gives an empty picture.
toolkit::Picture Decode(const uint8_t* data, size_t size);
toolkit::Picture Decode(const std::vector<uint8_t>& bytes);

}  // namespace png
