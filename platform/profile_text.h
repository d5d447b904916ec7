// How the private-profile functions read a line's name and value: blanks
// around them trimmed, one pair of enclosing quotes removed from a value.
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// The longest value a key read gives back: its buffer holds 2048 characters.
constexpr size_t kMaxProfileValueLength = 2047;

inline bool IsProfileBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

inline std::u16string_view TrimProfileText(std::u16string_view s) {
  while (!s.empty() && IsProfileBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsProfileBlank(s.back())) s.remove_suffix(1);
  return s;
}

inline std::u16string_view UnquoteProfileValue(std::u16string_view v) {
  if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

}  // namespace platform
