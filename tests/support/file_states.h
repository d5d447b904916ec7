// A file nobody may read and a read-only file, while the objects live, made
// as the system makes them: natively the stand-in reads permission bits as an
// access list and binds root too; under Windows the file is held open without
// sharing, or given the read-only attribute.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace fixture {

class UnreadableFile {
 public:
  explicit UnreadableFile(const std::u16string& path);
  ~UnreadableFile();
  UnreadableFile(const UnreadableFile&) = delete;
  UnreadableFile& operator=(const UnreadableFile&) = delete;

 private:
  std::u16string path_;
  void* handle_ = nullptr;
};

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::u16string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  // False where the attribute does not bind this user: root under Wine.
  bool Effective() const;

 private:
  std::u16string path_;
};

}  // namespace fixture

// Skips the case unless the file is really read-only.
#define SKIP_UNLESS_READ_ONLY_FILE(file)                        \
  if (!(file).Effective())                                      \
  GTEST_SKIP() << "root writes to read-only files under Wine; " \
                  "scripts/unprivileged_tests.sh runs this case as a user"
