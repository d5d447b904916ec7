// Script text: commands separated by ';' or new lines, arguments by blanks;
// "double quotes" keep blanks and ';' in an argument ("" inside is one quote).
// A command starting with '#' is a comment.
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
