// How the private-profile functions read a line's name and value: blanks
// around them trimmed, one pair of enclosing quotes removed from a value.
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// The longest value a key read gives back: its buffer holds 2048 characters.
constexpr size_t kMaxProfileValueLength = 2047;

// ASCII white space and ^Z, the end-of-file mark of old DOS files; no other
// Unicode blank.
inline bool IsProfileBlank(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x1A;
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

// What a key read gives for a missing key: the fallback without its trailing
// spaces (but for one when it is nothing else), read as a value is.
inline std::u16string_view ProfileFallback(std::u16string_view fallback) {
  while (fallback.size() > 1 && fallback.back() == u' ') fallback.remove_suffix(1);
  return UnquoteProfileValue(fallback).substr(0, kMaxProfileValueLength);
}

}  // namespace platform
