// Loads the plug-in DLL and makes every call the player makes to it, each one
// logged and guarded against faults.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "fake_player/services.h"
#include "host/AIMPSDKAddons.h"
#include "platform/win32/owned_handles.h"

namespace standin {

class PluginDriver {
 public:
  PluginDriver(std::wstring dllPath, fake_player::CoreUnit& core)
      : dllPath_(std::move(dllPath)), core_(core) {}
  PluginDriver(const PluginDriver&) = delete;
  PluginDriver& operator=(const PluginDriver&) = delete;

  // LoadLibrary, AIMP_QueryAddon3, then author, info, name and flags.
  bool Load();
  // Load when needed, then Initialize.
  void Start();
  void Initialize();
  void Finalize();
  void ShowSettings(HWND parent);
  // Picks the first menu item the plug-in added, or the one with this handle.
  void ClickMenu(int32_t handle = 0);
  // Runs the callback of the item the plug-in added last, even one removed
  // since, as a command the player had queued.
  void ClickQueuedMenu();
  // Releases the plug-in object and frees the library.
  void Unload();

  bool Loaded() const { return static_cast<bool>(module_); }

 private:
  template <class Body>
  bool Call(const std::string& what, Body&& body);
  void QueryTexts();

  std::wstring dllPath_;
  fake_player::CoreUnit& core_;
  platform::Owned<HMODULE, platform::LibraryTraits> module_;
  host::IAIMPAddonPlugin* plugin_ = nullptr;
};

// Visible top-level windows of this process that the stand-in did not make.
int PluginWindowCount();
void MarkOwnWindow(HWND window);

}  // namespace standin
