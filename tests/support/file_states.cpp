#include "tests/support/file_states.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <algorithm>

#include "platform/text.h"

namespace fixture {

namespace {

#ifdef _WIN32
std::wstring Wide(const std::u16string& path) {
  return std::wstring(path.begin(), path.end());
}
#else
bool SetMode(const std::u16string& path, mode_t mode) {
  std::string native = platform::ToUtf8(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return chmod(native.c_str(), mode) == 0;
}
#endif

}  // namespace

#ifdef _WIN32
UnreadableFile::UnreadableFile(const std::u16string& path)
    : path_(path),
      handle_(
          CreateFileW(Wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
  EXPECT_NE(handle_, INVALID_HANDLE_VALUE);
}

UnreadableFile::~UnreadableFile() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

ReadOnlyFile::ReadOnlyFile(const std::u16string& path) : path_(path) {
  EXPECT_TRUE(SetFileAttributesW(Wide(path_).c_str(), FILE_ATTRIBUTE_READONLY));
}

ReadOnlyFile::~ReadOnlyFile() {
  SetFileAttributesW(Wide(path_).c_str(), FILE_ATTRIBUTE_NORMAL);
}

bool ReadOnlyFile::Effective() const {
  const HANDLE file =
      CreateFileW(Wide(path_).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return true;
  CloseHandle(file);
  return false;
}
#else
UnreadableFile::UnreadableFile(const std::u16string& path) : path_(path) {
  EXPECT_TRUE(SetMode(path_, 0200));
}

UnreadableFile::~UnreadableFile() {
  SetMode(path_, 0644);
}

ReadOnlyFile::ReadOnlyFile(const std::u16string& path) : path_(path) {
  EXPECT_TRUE(SetMode(path_, 0444));
}

ReadOnlyFile::~ReadOnlyFile() {
  SetMode(path_, 0644);
}

bool ReadOnlyFile::Effective() const {
  return true;
}
#endif

}  // namespace fixture
