#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The one integer reader for INI values: signed 32-bit decimal with an
// optional sign, or hexadecimal after "$", "0x" or "0X" (up to 32 bits, taken
// as two's complement). Anything else (empty, words, overflow) is fallback.
inline int32_t ParseIniInt(std::u16string_view text, int32_t fallback);

// ParseIniInt with the checks of every form, for any text.
int32_t ParseIniIntInFull(std::u16string_view text, int32_t fallback);

// Most values are a few digits and nothing else, too few to overflow: read
// where they are asked for, without the other forms' checks.
inline int32_t ParseIniInt(std::u16string_view text, int32_t fallback) {
  if (text.empty() || text.size() > 9) return ParseIniIntInFull(text, fallback);
  int32_t n = 0;
  for (const char16_t c : text) {
    const auto digit = static_cast<unsigned>(c - u'0');  // those below '0' wrap
    if (digit > 9) return ParseIniIntInFull(text, fallback);
    n = n * 10 + static_cast<int32_t>(digit);
  }
  return n;
}

}  // namespace platform
