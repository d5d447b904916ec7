// What the POSIX stand-in knows of a file as Windows would see it.
#pragma once

#include <string>

namespace platform {

std::string NativePath(const std::u16string& path);

enum class FileKind {
  kMissing,
  kReadable,    // a regular file
  kUnreadable,  // a regular file nobody may read, as one whose access list denies reading
  kOther,       // a folder or a device
};
// Permission bits bind root too, as an access list binds an administrator.
FileKind KindOf(const std::u16string& path);
// A regular file without any write permission: Windows' read-only attribute.
bool IsReadOnlyFile(const std::u16string& path);

}  // namespace platform
