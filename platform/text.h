// UTF-16 helpers for portable code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);
std::u16string ToDecimal(int64_t value);
// Text up to the first NUL, at most capacity characters.
std::u16string FromBuffer(const char16_t* buffer, size_t capacity);
// ASCII-only case folding, as the profile functions and the folder search
// compare names.
template <typename Char>
Char AsciiUpper(Char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<Char>(c - 32) : c;
}
bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b);

}  // namespace platform
