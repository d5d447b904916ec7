// How the private-profile functions read a line's name and value: blanks
// around them trimmed, one pair of enclosing quotes removed from a value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace platform {

// The longest value a key read gives back: its buffer holds 2048 characters.
constexpr size_t kMaxProfileValueLength = 2047;

// ASCII white space and ^Z, the end-of-file mark of old DOS files; no other
// Unicode blank. Most characters are above all of them: one comparison.
inline bool IsProfileBlank(char16_t c) {
  return c <= u' ' && (c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x1A);
}

// The scans over a whole file test four characters at a time, as the 16-bit
// lanes of a 64-bit word; lane 0 is the first character.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "lanes count from the low end");
constexpr uint64_t kEveryLane = 0x0001000100010001u;

inline uint64_t FourUnitsAt(const char16_t* at) {
  uint64_t units;
  std::memcpy(&units, at, sizeof units);
  return units;
}

// Marks with its top bit each lane below limit (at most 0x8000), where
// subtracting limit borrows. The borrow may mark a lane above a marked one
// too, so only the lowest mark is certain: nonzero tells that one is there,
// FirstMarkedLane which.
inline uint64_t LanesBelow(uint64_t units, char16_t limit) {
  return (units - kEveryLane * limit) & ~units & (kEveryLane * 0x8000);
}

inline uint64_t LanesEqual(uint64_t units, char16_t c) {
  return LanesBelow(units ^ (kEveryLane * c), 1);
}

inline size_t FirstMarkedLane(uint64_t marks) {
  return static_cast<size_t>(__builtin_ctzll(marks)) / 16;
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
