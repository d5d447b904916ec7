// The one way any part of the plug-in shows a message box.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

constexpr uint32_t kMbOk = 0x0;
constexpr uint32_t kMbIconError = 0x10;
constexpr uint32_t kMbIconInformation = 0x40;

struct MessageBoxCall {
  void* owner = nullptr;  // HWND of the owning window, or none
  std::u16string text;
  bool hasCaption = false;  // no caption: the system's default title
  std::u16string caption;
  uint32_t flags = kMbOk;
};

int ShowMessageBox(const MessageBoxCall& call);

// Tests replace the real box (which would wait for a user) by a recorder.
using MessageBoxHook = std::function<int(const MessageBoxCall&)>;
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace platform
