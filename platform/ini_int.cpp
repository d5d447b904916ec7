#include "ini_int.h"

namespace platform {

namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

}  // namespace

int32_t ParseIniIntInFull(std::u16string_view text, int32_t fallback) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && text[i] == u'$') {
    hex = true;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == u'0' &&
             (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return fallback;

  uint64_t magnitude = 0;
  const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  for (; i < text.size(); ++i) {
    const int digit =
        hex ? HexDigit(text[i]) : (text[i] >= u'0' && text[i] <= u'9' ? text[i] - u'0' : -1);
    if (digit < 0) return fallback;
    magnitude = magnitude * (hex ? 16u : 10u) + static_cast<uint64_t>(digit);
    if (magnitude > limit) return fallback;
  }
  // Hexadecimal text is a 32-bit pattern: "$FFFFFFFF" is -1.
  const auto bits = static_cast<uint32_t>(magnitude);
  const uint32_t value = negative ? 0u - bits : bits;
  return static_cast<int32_t>(value);
}

}  // namespace platform

#include "platform.h"

namespace platform {

int32_t ReadProfileInt(const std::u16string& path, const std::u16string& section,
                       const std::u16string& key, int32_t fallback) {
  return ParseIniInt(ReadProfileText(path, section, key, u""), fallback);
}

}  // namespace platform
