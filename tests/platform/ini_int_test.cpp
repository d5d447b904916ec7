#include "platform/ini_int.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/text.h"

namespace {

struct IntCase {
  const char16_t* text;
  int32_t expected;
};

TEST(ParseIniInt, ReadsDecimalHexOrFallsBack) {
  const IntCase cases[] = {
      {u"0", 0},
      {u"1", 1},
      {u"2", 2},
      {u"-1", -1},
      {u"+7", 7},
      {u"0x1", 1},
      {u"0x0", 0},
      {u"0X1f", 31},
      {u"$10", 16},
      {u"-$10", -16},
      {u"$FFFFFFFF", -1},
      {u"007", 7},
      {u"999999999", 999999999},
      {u"000000000009", 9},
      {u"1000000000", 1000000000},
      {u"2147483647", 2147483647},
      {u"-2147483648", -2147483647 - 1},
      // Everything below is not an integer and reads as the fallback 99.
      {u"", 99},
      {u"true", 99},
      {u"abc", 99},
      {u"2147483648", 99},
      {u"-2147483649", 99},
      {u"$100000000", 99},
      {u"0x", 99},
      {u"$", 99},
      {u"-", 99},
      {u"12a", 99},
      {u"12/", 99},
      {u":12", 99},
      {u"1 2", 99},
      {u"1.5", 99},
      {u"0x1g", 99},
      {u"--1", 99},
      {u"99999999999999999999", 99},
  };
  for (const auto& c : cases)
    EXPECT_EQ(platform::ParseIniInt(c.text, 99), c.expected)
        << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
}

// Decimals written straight into UTF-16 are what the narrow conversion gives.
TEST(ToDecimal, WritesEveryMagnitudeAndSign) {
  for (const int64_t value : {int64_t{0}, int64_t{7}, int64_t{-7}, int64_t{10}, int64_t{99},
                              int64_t{100}, int64_t{-12345}, int64_t{16777215}, int64_t{INT32_MIN},
                              int64_t{INT64_MAX}, int64_t{INT64_MIN}}) {
    const std::string narrow = std::to_string(value);
    EXPECT_EQ(platform::ToDecimal(value), std::u16string(narrow.begin(), narrow.end())) << narrow;
  }
}

}  // namespace
