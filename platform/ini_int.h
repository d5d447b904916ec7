#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The one integer reader for INI values: signed 32-bit decimal with an
// optional sign, or hexadecimal after "$", "0x" or "0X" (up to 32 bits, taken
// as two's complement). Anything else (empty, words, overflow) is fallback.
int32_t ParseIniInt(std::u16string_view text, int32_t fallback);

}  // namespace platform
