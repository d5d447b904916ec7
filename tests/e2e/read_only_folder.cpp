#include "tests/e2e/read_only_folder.h"

#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>
// clang-format on

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/win32/owned_handles.h"
#include "standin_player/text.h"

namespace e2e {

namespace {

// Everyone is denied writing data, adding subfolders and changing attributes;
// everything else stays allowed.
constexpr wchar_t kDenyAdding[] = L"D:P(D;;0x116;;;WD)(A;OICI;FA;;;WD)";
constexpr wchar_t kAllowAll[] = L"D:P(A;OICI;FA;;;WD)";

struct LocalFreer {
  void operator()(void* memory) const { LocalFree(memory); }
};

bool SetAccess(const std::filesystem::path& folder, const wchar_t* sddl) {
  PSECURITY_DESCRIPTOR raw = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &raw, nullptr))
    return false;
  const std::unique_ptr<void, LocalFreer> descriptor(raw);
  BOOL present = FALSE, defaulted = FALSE;
  PACL acl = nullptr;
  if (!GetSecurityDescriptorDacl(raw, &present, &acl, &defaulted)) return false;
  std::wstring path = folder.wstring();
  return SetNamedSecurityInfoW(path.data(), SE_FILE_OBJECT,
                               DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                               nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
  EXPECT_TRUE(SetAccess(folder_, kDenyAdding)) << folder_;
}

ReadOnlyFolder::~ReadOnlyFolder() {
  SetAccess(folder_, kAllowAll);
}

bool ReadOnlyFolder::Effective() const {
  const std::wstring probe = (folder_ / "probe.tmp").wstring();
  platform::FileHandle file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return true;
  file.Reset();
  DeleteFileW(probe.c_str());
  return false;
}

void ExpectWriteFailureShown(const E2eRun& run, const std::filesystem::path& file) {
  ASSERT_FALSE(run.timedOut) << "the stand-in hung\n" << run.Text();
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.Problems().empty()) << run.Text();
  EXPECT_NE(std::find(run.lines.begin(), run.lines.end(), "# script done"), run.lines.end())
      << "the session did not go on\n"
      << run.Text();

  const std::string text = "Unable to write to " + standin::Utf8(file.wstring());
  const auto finalized = run.Lines("Finalize");
  ASSERT_EQ(finalized.size(), 1u) << run.Text();
  EXPECT_EQ(finalized[0].result, "0");
  const int stop = finalized[0].step;
  int shown = 0;
  for (const LogCall& box : run.Lines("MessageBox")) {
    if (box.args.at(0) != text) continue;
    ++shown;
    EXPECT_EQ(box.step, stop) << box.text;
    EXPECT_EQ(box.args.at(1), "AIMP Kaleidra") << box.text;
    EXPECT_EQ(box.fields.at("icon"), "error") << box.text;
    EXPECT_EQ(box.fields.at("owner"), "none") << box.text;
    EXPECT_EQ(box.Int("windows"), 0) << "the plug-in's windows must be gone\n" << box.text;
  }
  EXPECT_EQ(shown, 1) << "one box naming " << text << "\n" << run.Text();
  const auto removed = run.Lines("RemoveMenuItem");
  ASSERT_EQ(removed.size(), 1u) << run.Text();
  EXPECT_EQ(removed[0].step, stop);
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace e2e
