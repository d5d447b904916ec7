// Window mode: a small window showing the current skin, hue and intensity as a
// coloured panel, with the plug-in's menu items and "Settings" in its menu bar.
#pragma once

#include <windows.h>

#include "standin_player/plugin_driver.h"
#include "standin_player/services.h"
#include "standin_player/win_handles.h"

namespace standin {

class PlayerWindow {
 public:
  PlayerWindow(PluginDriver& driver, SkinsService& skins, MenuService& menu)
      : driver_(driver), skins_(skins), menu_(menu) {}
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
  SkinsService& skins_;
  MenuService& menu_;
  Window window_;
  HMENU pluginMenu_ = nullptr;  // owned by the window's menu bar
};

// The panel colour: hue 0..255 around the colour wheel, intensity 0..100 as brightness.
COLORREF LookColor(int hue, int intensity);

}  // namespace standin
