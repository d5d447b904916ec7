// A key of one of the plug-in's files could not be written.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/text.h"

namespace kaleidra {

class WriteError : public std::runtime_error {
 public:
  explicit WriteError(const std::u16string& path)
      : std::runtime_error("Unable to write to " + platform::ToUtf8(path)), path_(path) {}
  const std::u16string& Path() const { return path_; }
  // The text the user is shown.
  std::u16string Text() const { return u"Unable to write to " + path_; }

 private:
  std::u16string path_;
};

}  // namespace kaleidra
