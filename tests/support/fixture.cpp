#include "fixture.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/platform.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace fixture {

namespace {

std::string Separator() {
#ifdef _WIN32
  return "\\";
#else
  return "/";
#endif
}

}  // namespace

PlayerFolder::PlayerFolder() {
  static std::atomic<int> serial{0};
  std::random_device random;
  root_ = fs::temp_directory_path() /
          ("kaleidra-" + std::to_string(random()) + "-" + std::to_string(serial++));
  fs::create_directories(root_ / "Plugins");
  fs::create_directories(root_ / "Skins");
  platform::OverrideExecutableFolder(root_.u16string() + platform::FromUtf8(Separator()));
}

PlayerFolder::~PlayerFolder() {
  platform::OverrideExecutableFolder(u"");
  std::error_code ignored;
  fs::permissions(root_ / "Plugins", fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(root_, ignored);
}

fs::path PlayerFolder::Native(const std::string& relative) const {
  std::string r = relative;
  for (auto& c : r)
    if (c == '\\') c = '/';
  return root_ / fs::u8path(r);
}

void PlayerFolder::Write(const std::string& relative, const std::string& bytes) const {
  std::ofstream out(Native(relative), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string PlayerFolder::Read(const std::string& relative) const {
  std::ifstream in(Native(relative), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool PlayerFolder::Exists(const std::string& relative) const {
  return fs::exists(Native(relative));
}

void PlayerFolder::Remove(const std::string& relative) const {
  std::error_code ignored;
  fs::remove_all(Native(relative), ignored);
}

void PlayerFolder::MakeFolder(const std::string& relative) const {
  fs::create_directories(Native(relative));
}

std::u16string PlayerFolder::Path(const std::string& relative) const {
  return platform::ExecutableFolder() + platform::FromUtf8(relative);
}

MessageBoxRecorder::MessageBoxRecorder() {
  platform::SetMessageBoxHook([this](const platform::MessageBoxCall& call) {
    calls.push_back(call);
    if (onShow) onShow();
    return 1;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() {
  platform::SetMessageBoxHook(nullptr);
}

}  // namespace fixture
