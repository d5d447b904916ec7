// A throw-away player folder (Plugins\ and Skins\) that the plug-in code sees
// as the folder of the running executable, and a message-box recorder.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace fixture {

class PlayerFolder {
 public:
  PlayerFolder();
  ~PlayerFolder();
  PlayerFolder(const PlayerFolder&) = delete;
  PlayerFolder& operator=(const PlayerFolder&) = delete;

  // Relative paths use '\\' or '/'; contents are UTF-8 bytes as given.
  void Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;
  void Remove(const std::string& relative) const;
  void MakeFolder(const std::string& relative) const;
  // The full path as the plug-in code spells it.
  std::u16string Path(const std::string& relative) const;
  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path Native(const std::string& relative) const;
  std::filesystem::path root_;
};

class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
  std::vector<platform::MessageBoxCall> calls;
  // Runs while a box is showing, as the box's own message loop would.
  std::function<void()> onShow;
};

}  // namespace fixture
