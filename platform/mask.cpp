#include "platform/mask.h"

#include "platform/platform.h"

namespace platform {

std::vector<std::vector<std::u16string>> FindMatches(const std::u16string& folder,
                                                     const std::vector<std::u16string>& masks) {
  std::vector<std::vector<std::u16string>> found(masks.size());
  ForEachMatch(folder, u"*", [&](const std::u16string& name) {
    for (size_t i = 0; i < masks.size(); ++i)
      if (MaskMatches(masks[i], std::u16string_view(name))) found[i].push_back(name);
    return true;
  });
  return found;
}

}  // namespace platform
