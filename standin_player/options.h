// The stand-in's command line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace standin {

struct Options {
  std::wstring logPath;  // empty: standin.log beside the exe
  std::wstring script;   // empty and no scriptFile: window mode
  std::wstring scriptFile;
  bool skinsService = true;
  bool menuService = true;
  bool currentSkinWritesNothing = false;  // ReadCurrentSkin leaves every output as it was
  // Before a message box is answered, the plug-in's last menu callback runs, as
  // a player delivers a command the user picked while the box was up.
  bool menuDuringBox = false;
  std::vector<std::wstring> refused;
  std::wstring currentSkin;
  int32_t hue = 0;
  int32_t intensity = 50;
  int32_t firstMenuHandle = 1;

  bool ScriptMode() const { return !script.empty() || !scriptFile.empty(); }
};

// args without the program name. False with a message on a bad command line.
bool ParseOptions(const std::vector<std::wstring>& args, Options* options, std::string* error);

std::vector<std::wstring> CommandLineArgs();

}  // namespace standin
