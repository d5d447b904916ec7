// Window mode: a small window showing the current skin, hue and intensity as a
// coloured panel, with the plug-in's menu items and "Settings" in its menu bar.
#pragma once

#include <windows.h>

#include "fake_player/services.h"
#include "standin_player/plugin_driver.h"
#include "standin_player/service_log.h"
#include "standin_player/win_handles.h"

namespace standin {

class PlayerWindow {
 public:
  PlayerWindow(PluginDriver& driver, const fake_player::CoreUnit& player, ServiceLog& log)
      : driver_(driver), skins_(player.skins), menu_(player.menu), log_(log) {}
  PlayerWindow(const PlayerWindow&) = delete;
  PlayerWindow& operator=(const PlayerWindow&) = delete;
  ~PlayerWindow();

  // Shows the window and starts the plug-in; closing it stops and unloads the
  // plug-in and ends the message loop.
  bool Create(HINSTANCE instance);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RebuildMenu();
  void Paint(HWND window);
  bool RunShortcut(WPARAM key);

  PluginDriver& driver_;
  const fake_player::SkinsService& skins_;
  const fake_player::MenuService& menu_;
  ServiceLog& log_;
  Window window_;
  HMENU pluginMenu_ = nullptr;  // owned by the window's menu bar
};

// The panel colour: hue 0..255 around the colour wheel, intensity 0..100 as brightness.
COLORREF LookColor(int hue, int intensity);

}  // namespace standin
