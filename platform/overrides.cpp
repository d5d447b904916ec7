// The executable folder and the message box, each replaceable by tests.
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/system.h"

namespace platform {

namespace {

std::u16string& FolderOverride() {
  static std::u16string folder;
  return folder;
}

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

}  // namespace

std::u16string ExecutableFolder() {
  return FolderOverride().empty() ? SystemExecutableFolder() : FolderOverride();
}

void OverrideExecutableFolder(const std::u16string& folder) {
  FolderOverride() = folder;
}

int ShowMessageBox(const MessageBoxCall& call) {
  return Hook() ? Hook()(call) : SystemMessageBox(call);
}

void SetMessageBoxHook(MessageBoxHook hook) {
  Hook() = std::move(hook);
}

}  // namespace platform
