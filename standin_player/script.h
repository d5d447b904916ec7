// Script text: commands separated by ';' or new lines, arguments by blanks;
// "double quotes" keep blanks and ';' in an argument ("" inside is one quote).
// A command starting with '#' is a comment.
//
//   load             LoadLibrary, AIMP_QueryAddon3, author/info/name/flags
//   init             Initialize          start   load (if needed) + init
//   menu [COUNT]     the first menu item's callback (COUNT times in a row)
//   settings         ShowSettingsDialog  stop    Finalize
//   unload           release the plug-in object, FreeLibrary
//   wait SECONDS     keeps the message loop running (fractions allowed)
//   window CAPTION   chooses a visible top-level window of this process; waits
//                    up to 5 s for it to appear
//   click CAPTION    posts a click to a control of the chosen window
//   check / uncheck / radio CAPTION   clicks only when the state differs
//   select INDEX [LIST]    clicks a list box item (LIST: 0-based among the
//   dblclick INDEX [LIST]  window's list boxes, default 0)
//   close [CAPTION]  the close box of the chosen (or named) window
//   tab CAPTION      clicks the tab of this caption in the chosen window
//   shot FILE        the chosen window as a BMP file
//   stats            logs committed private memory and the thread's windows
// A message box of the process is answered with its default button and logged
// as soon as it shows; no command runs inside its loop.
#pragma once

#include <string>
#include <vector>

namespace standin {

struct Command {
  std::string verb;
  std::vector<std::wstring> args;
  std::string text;  // as written, for the log
};

bool ParseScript(const std::wstring& text, std::vector<Command>* commands, std::string* error);

// Reads a UTF-8 script file.
bool ReadScriptFile(const std::wstring& path, std::wstring* text);

}  // namespace standin
