// A folder nobody may add files to, and the checks on how the plug-in reports a
// stop that could not write its files there.
#pragma once

#include <filesystem>
#include <string>

#include "tests/e2e/e2e_run.h"

namespace e2e {

// Denies adding files to the folder through its access list while it lives.
// Root writes anywhere, so the folder is only really read-only for an
// unprivileged user: Effective() tells whether a new file is refused.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::filesystem::path folder);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  bool Effective() const;

 private:
  std::filesystem::path folder_;
};

// Skips the case unless the folder is really read-only.
#define SKIP_UNLESS_READ_ONLY(folder)                               \
  if (!(folder).Effective())                                        \
  GTEST_SKIP() << "a read-only folder needs an unprivileged user; " \
                  "scripts/unprivileged_tests.sh runs this case as one"

// The stop of a session "start; stop; unload" could not write `file`: the user
// sees one error box naming it after the windows are gone, the player sees a
// normal stop and the session goes on.
void ExpectWriteFailureShown(const E2eRun& run, const std::filesystem::path& file);

// The file's bytes; empty when it is missing.
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace e2e
