#include "text.h"

#include <iterator>

namespace platform {

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::u16string FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    uint32_t c = 0xFFFD;
    size_t len = 1;
    if (b < 0x80) {
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      len = 2;
    } else if ((b & 0xF0) == 0xE0) {
      len = 3;
    } else if ((b & 0xF8) == 0xF0) {
      len = 4;
    }
    if (len > 1) {
      if (i + len <= text.size()) {
        c = b & (0x7F >> len);
        for (size_t k = 1; k < len; ++k) {
          const auto cont = static_cast<unsigned char>(text[i + k]);
          if ((cont & 0xC0) != 0x80) {
            c = 0xFFFD;
            len = k;
            break;
          }
          c = (c << 6) | (cont & 0x3F);
        }
      } else {
        len = text.size() - i;
      }
    }
    if (c >= 0x10000 && c <= 0x10FFFF) {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<char16_t>(c > 0x10FFFF ? 0xFFFD : c);
    }
    i += len;
  }
  return out;
}

DecimalText::DecimalText(int64_t value) {
  // The magnitude in unsigned arithmetic, so that INT64_MIN has one too.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  // Two digits a step: a colour is eight digits, and the lists load makes thousands.
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  auto putPair = [this](uint64_t pair) {
    digits_[--at_] = static_cast<char16_t>(kPairs[2 * pair + 1]);
    digits_[--at_] = static_cast<char16_t>(kPairs[2 * pair]);
  };
  for (; magnitude >= 100; magnitude /= 100) putPair(magnitude % 100);
  if (magnitude >= 10)
    putPair(magnitude);
  else
    digits_[--at_] = static_cast<char16_t>(u'0' + magnitude);
  if (value < 0) digits_[--at_] = u'-';
}

std::u16string ToDecimal(int64_t value) {
  return std::u16string(DecimalText(value).View());
}

std::u16string FromBuffer(const char16_t* buffer, size_t capacity) {
  if (!buffer) return {};
  size_t n = 0;
  while (n < capacity && buffer[n] != 0) ++n;
  return std::u16string(buffer, n);
}

bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

}  // namespace platform
