// File-name masks as the directory search understands them: '*' for any run
// of characters, '?' for one, letters compared without regard to ASCII case.
#pragma once

#include <string_view>

#include "platform/text.h"

namespace platform {

// Without recursion: on a mismatch the last '*' takes one more character, so
// the usual masks cost one pass and a long name cannot exhaust the stack.
// Char is char16_t, or char for a name known to be ASCII.
template <typename Char>
bool MaskMatches(std::u16string_view mask, std::basic_string_view<Char> name) {
  size_t m = 0, n = 0;
  size_t starMask = std::u16string_view::npos, starName = 0;
  while (n < name.size()) {
    const char16_t c = static_cast<char16_t>(name[n]);
    if (m < mask.size() && mask[m] == u'*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == u'?' || AsciiUpper(mask[m]) == AsciiUpper(c))) {
      ++m;
      ++n;
    } else if (starMask != std::u16string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == u'*') ++m;
  return m == mask.size();
}

}  // namespace platform
