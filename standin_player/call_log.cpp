#include "standin_player/call_log.h"

#include "standin_player/immortal.h"

namespace standin {

bool CallLog::Open(const std::wstring& path) {
  openedAt_ = GetTickCount();
  file_.Reset(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file_);
}

void CallLog::Line(const std::string& line) {
  if (!line.empty() && line[0] == '!') ++problems_;
  if (!file_) return;
  // One unbuffered write per line: nothing is lost if the process dies next.
  const bool call = !line.empty() && line[0] != '>' && line[0] != '!' && line[0] != '#';
  const std::string text =
      line + (call ? " t=" + std::to_string(GetTickCount() - openedAt_) : std::string()) + "\n";
  DWORD written = 0;
  WriteFile(file_.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

CallLog& Log() {
  static Immortal<CallLog> log;
  return *log;
}

}  // namespace standin
