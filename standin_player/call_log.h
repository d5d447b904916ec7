// The log of every call between the stand-in and the plug-in, one UTF-8 line per call:
//   Name(arg,arg,...) -> result key=value ...
//   > script command      ! problem      # note
// Call lines end with t=MILLISECONDS since the log was opened, so tests can time
// what happens between calls.
// Each line reaches the file when it is written, so a killed process leaves a complete log.
#pragma once

#include <string>

#include "standin_player/win_handles.h"

namespace standin {

class CallLog {
 public:
  bool Open(const std::wstring& path);
  void Line(const std::string& line);
  void Problem(const std::string& text) { Line("! " + text); }
  void Note(const std::string& text) { Line("# " + text); }
  int Problems() const { return problems_; }

 private:
  FileHandle file_;
  DWORD openedAt_ = 0;
  int problems_ = 0;
};

// The one log of the process.
CallLog& Log();

}  // namespace standin
