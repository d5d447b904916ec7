#include "tests/e2e/e2e_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <fstream>

#include "platform/win32/owned_handles.h"
#include "standin_player/text.h"

namespace e2e {

namespace fs = std::filesystem;
using standin::WideFromUtf8;

namespace {

fs::path ExeFolder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return fs::path(path).parent_path();
}

// One argument as CommandLineToArgvW reads it back.
std::wstring QuoteArg(const std::wstring& arg) {
  std::wstring out = L"\"";
  size_t slashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++slashes;
      continue;
    }
    out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
    slashes = 0;
    out += c;
  }
  out.append(slashes * 2, L'\\');
  return out + L"\"";
}

// A value at text[pos]: "quoted" (unescaped), {record} (as written) or a bare word
// ending at any of stops.
std::string ReadValue(const std::string& text, size_t& pos, const char* stops) {
  std::string out;
  if (pos < text.size() && text[pos] == '"') {
    for (++pos; pos < text.size() && text[pos] != '"'; ++pos) {
      if (text[pos] == '\\' && pos + 1 < text.size()) {
        const char e = text[++pos];
        out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
      } else {
        out += text[pos];
      }
    }
    ++pos;
    return out;
  }
  if (pos < text.size() && text[pos] == '{') {
    const size_t start = pos;
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
      if (text[pos] == '\\' && quoted) {
        ++pos;
      } else if (text[pos] == '"') {
        quoted = !quoted;
      } else if (text[pos] == '}' && !quoted) {
        break;
      }
    }
    ++pos;
    return text.substr(start, pos - start);
  }
  while (pos < text.size() && !std::strchr(stops, text[pos])) out += text[pos++];
  return out;
}

// key=value pairs separated by sep, ending at end (or the text's end).
void ReadFields(const std::string& text, size_t& pos, char sep, char end,
                std::map<std::string, std::string>* fields) {
  const char stops[] = {sep, end, '\0'};
  while (pos < text.size() && text[pos] != end) {
    if (text[pos] == sep) {
      ++pos;
      continue;
    }
    const size_t eq = text.find('=', pos);
    if (eq == std::string::npos) return;
    const std::string key = text.substr(pos, eq - pos);
    pos = eq + 1;
    (*fields)[key] = ReadValue(text, pos, stops);
  }
}

int64_t ToInt(const std::string& text) {
  return static_cast<int64_t>(std::stoll(text, nullptr, text.rfind("0x", 0) == 0 ? 16 : 10));
}

}  // namespace

int64_t LogCall::ResultInt() const {
  return ToInt(result);
}

int64_t LogCall::Int(const std::string& key) const {
  const auto found = fields.find(key);
  if (found == fields.end()) {
    ADD_FAILURE() << "no field " << key << " in: " << text;
    return 0;
  }
  return ToInt(found->second);
}

bool ParseLogCall(const std::string& line, LogCall* call) {
  if (line.empty() || std::strchr(">!#", line[0])) return false;
  const size_t arrow = line.find(" -> ");
  const size_t paren = line.find('(');
  const bool hasArgs = paren != std::string::npos && paren < arrow;
  if (arrow == std::string::npos && !hasArgs) return false;
  *call = LogCall{};
  call->text = line;
  call->name = line.substr(0, hasArgs ? paren : arrow);
  size_t pos = hasArgs ? paren + 1 : arrow;
  if (hasArgs) {
    while (pos < line.size() && line[pos] != ')') {
      std::string arg = ReadValue(line, pos, ",)");
      if (!arg.empty() && arg[0] == '{') {
        size_t inner = 1;
        ReadFields(arg, inner, ',', '}', &call->fields);
      }
      call->args.push_back(arg);
      if (pos < line.size() && line[pos] == ',') ++pos;
    }
    ++pos;
  }
  if (line.compare(pos, 4, " -> ") != 0) return false;
  pos += 4;
  call->result = ReadValue(line, pos, " ");
  ReadFields(line, pos, ' ', '\0', &call->fields);
  return true;
}

std::vector<LogCall> E2eRun::Lines(const std::string& name) const {
  std::vector<LogCall> out;
  for (const LogCall& call : calls)
    if (call.name == name) out.push_back(call);
  return out;
}

std::vector<LogCall> E2eRun::InStep(int step) const {
  std::vector<LogCall> out;
  for (const LogCall& call : calls)
    if (call.step == step) out.push_back(call);
  return out;
}

std::vector<std::string> E2eRun::Problems() const {
  std::vector<std::string> out;
  for (const std::string& line : lines)
    if (!line.empty() && line[0] == '!') out.push_back(line);
  return out;
}

std::string E2eRun::Text() const {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

StandinFolder::StandinFolder() {
  static std::atomic<int> counter{0};
  root_ = fs::temp_directory_path() / ("kaleidra_e2e_" + std::to_string(GetCurrentProcessId()) +
                                       "_" + std::to_string(counter++));
  fs::remove_all(root_);
  fs::create_directories(root_ / "Plugins");
  fs::create_directories(root_ / "Skins");
  const fs::path built = ExeFolder();
  fs::copy_file(built / "standin_player.exe", root_ / "standin_player.exe");
  fs::copy_file(built / "orvo_aimp_kaleidra.dll", root_ / "Plugins" / "orvo_aimp_kaleidra.dll");
}

StandinFolder::~StandinFolder() {
  // A failed case keeps its folder for a look at the log.
  if (::testing::Test::HasFailure()) return;
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void StandinFolder::AddSkin(const std::string& fileName, const std::string& content) const {
  Write("Skins\\" + fileName, content);
}

void StandinFolder::Write(const std::string& relative, const std::string& bytes) const {
  std::ofstream out(root_ / fs::path(WideFromUtf8(relative)), std::ios::binary);
  out << bytes;
}

E2eRun RunStandin(const StandinFolder& folder, const std::string& script,
                  const std::vector<std::string>& args, uint32_t timeoutMs) {
  E2eRun run;
  const fs::path log = folder.Root() / "standin.log";
  std::wstring command = QuoteArg((folder.Root() / "standin_player.exe").wstring()) + L" --log " +
                         QuoteArg(log.wstring()) + L" --script " + QuoteArg(WideFromUtf8(script));
  for (const std::string& arg : args) command += L" " + QuoteArg(WideFromUtf8(arg));

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.Root().wstring().c_str(), &startup, &process)) {
    ADD_FAILURE() << "cannot start the stand-in, error " << GetLastError();
    return run;
  }
  const platform::KernelHandle thread(process.hThread), child(process.hProcess);
  if (WaitForSingleObject(child.Get(), timeoutMs) == WAIT_TIMEOUT) {
    run.timedOut = true;
    TerminateProcess(child.Get(), 255);
    WaitForSingleObject(child.Get(), 5000);
  }
  DWORD code = 0;
  GetExitCodeProcess(child.Get(), &code);
  run.exitCode = code;

  std::ifstream in(log, std::ios::binary);
  int step = -1;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    run.lines.push_back(line);
    if (!line.empty() && line[0] == '>') ++step;
    LogCall call;
    if (ParseLogCall(line, &call)) {
      call.step = step;
      run.calls.push_back(std::move(call));
    }
  }
  return run;
}

}  // namespace e2e
