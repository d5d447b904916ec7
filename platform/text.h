// UTF-16 helpers for portable code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);
std::u16string ToDecimal(int64_t value);
// The decimal text of a number held in place, for texts made by the thousand.
class DecimalText {
 public:
  explicit DecimalText(int64_t value);
  std::u16string_view View() const { return std::u16string_view(digits_ + at_, kRoom - at_); }

 private:
  static constexpr size_t kRoom = 20;  // a sign and 19 digits
  char16_t digits_[kRoom];
  size_t at_ = kRoom;  // the first character used
};
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
