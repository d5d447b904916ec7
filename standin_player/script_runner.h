// Runs a script from a timer on a hidden window of the stand-in's own message
// loop, one command per tick, so the script goes on while the plug-in runs a
// modal loop of its own.
#pragma once

#include <windows.h>

#include <vector>

#include "standin_player/plugin_driver.h"
#include "standin_player/script.h"
#include "standin_player/win_handles.h"

namespace standin {

class ScriptRunner {
 public:
  // menuDuringBox: a queued menu command reaches the plug-in before each box
  // is answered.
  ScriptRunner(std::vector<Command> commands, PluginDriver& driver, bool menuDuringBox)
      : commands_(std::move(commands)), driver_(driver), menuDuringBox_(menuDuringBox) {}
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;
  ~ScriptRunner();

  // Starts the timer; the message loop then runs the script and ends with WM_QUIT.
  bool Start(HINSTANCE instance);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Tick();
  // True when a message box was showing: it is answered and logged.
  bool AnswerMessageBoxes();
  // False while the command waits for something to appear.
  bool Ready(const Command& command);
  void Run(const Command& command);
  void RunUiCommand(const Command& command);
  // The window UI commands act on; null (with a problem logged) when it is gone.
  HWND Target(const Command& command);

  std::vector<Command> commands_;
  PluginDriver& driver_;
  bool menuDuringBox_;
  Window window_;
  size_t next_ = 0;
  DWORD resumeAt_ = 0;
  bool searching_ = false;
  DWORD searchSince_ = 0;
  bool done_ = false;
  HWND current_ = nullptr;
};

}  // namespace standin
