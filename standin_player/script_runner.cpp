#include "standin_player/script_runner.h"

#include <cwchar>

#include "standin_player/call_log.h"
#include "standin_player/process_stats.h"
#include "standin_player/text.h"
#include "standin_player/ui_actions.h"

namespace standin {

namespace {

constexpr wchar_t kClassName[] = L"KaleidraStandinScript";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTickMs = 20;
constexpr DWORD kWindowSearchMs = 5000;

int IntArg(const Command& command, size_t i, int fallback) {
  return i < command.args.size()
             ? static_cast<int>(std::wcstol(command.args[i].c_str(), nullptr, 10))
             : fallback;
}

std::string Call(const char* name, const std::wstring& arg) {
  return std::string(name) + "(" + Quoted(arg) + ")";
}

}  // namespace

ScriptRunner::~ScriptRunner() {
  if (window_) KillTimer(window_.Get(), kTimerId);
}

bool ScriptRunner::Start(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &ScriptRunner::WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  RegisterClassW(&wc);
  window_.Reset(
      CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this));
  return window_ && SetTimer(window_.Get(), kTimerId, kTickMs, nullptr) != 0;
}

LRESULT CALLBACK ScriptRunner::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  } else if (message == WM_TIMER && wParam == kTimerId) {
    auto* self = reinterpret_cast<ScriptRunner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) self->Tick();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void ScriptRunner::Tick() {
  // A tick inside a message box's loop only answers the box: a command run there
  // would run inside the plug-in call that showed it.
  if (AnswerMessageBoxes()) return;
  if (done_ || static_cast<LONG>(GetTickCount() - resumeAt_) < 0) return;
  if (next_ >= commands_.size()) {
    done_ = true;
    Log().Note("script done");
    PostQuitMessage(0);
    return;
  }
  const Command& command = commands_[next_];
  if (!searching_) Log().Line("> " + command.text);
  if (!Ready(command)) return;
  // Advance first: a modal loop inside this command ticks the next ones.
  ++next_;
  Run(command);
}

bool ScriptRunner::AnswerMessageBoxes() {
  const std::vector<HWND> boxes = FindMessageBoxes();
  if (boxes.empty()) return false;
  if (menuDuringBox_) driver_.ClickQueuedMenu();
  const int others = PluginWindowCount() - static_cast<int>(boxes.size());
  for (HWND box : boxes) {
    const MessageBoxInfo info = DescribeMessageBox(box);
    PressDefaultButton(box);
    Log().Line("MessageBox(" + Quoted(info.text) + "," + Quoted(info.caption) +
               ") -> closed icon=" + info.icon +
               " owner=" + (info.owner ? Quoted(TextOf(info.owner)) : "none") +
               " windows=" + std::to_string(others));
  }
  return true;
}

bool ScriptRunner::Ready(const Command& command) {
  if (command.verb != "window") return true;
  if (!searching_) {
    searching_ = true;
    searchSince_ = GetTickCount();
  }
  current_ = FindTopWindow(command.args[0]);
  if (!current_ && GetTickCount() - searchSince_ < kWindowSearchMs) return false;
  searching_ = false;
  return true;
}

void ScriptRunner::Run(const Command& command) {
  const std::string& verb = command.verb;
  if (verb == "start") {
    driver_.Start();
  } else if (verb == "load") {
    driver_.Load();
  } else if (verb == "init") {
    driver_.Initialize();
  } else if (verb == "menu") {
    for (int i = IntArg(command, 0, 1); i > 0; --i) driver_.ClickMenu();
  } else if (verb == "stats") {
    Log().Line("Stats() -> 0" + Describe(ReadProcessStats()));
  } else if (verb == "settings") {
    driver_.ShowSettings(nullptr);
  } else if (verb == "stop") {
    driver_.Finalize();
  } else if (verb == "unload") {
    driver_.Unload();
  } else if (verb == "wait") {
    const double seconds = std::wcstod(command.args[0].c_str(), nullptr);
    resumeAt_ = GetTickCount() + static_cast<DWORD>(seconds > 0 ? seconds * 1000 : 0);
  } else if (verb == "window") {
    const std::string call = Call("Window", command.args[0]);
    Log().Line(call + (current_ ? " -> found" : " -> missing"));
    if (!current_) Log().Problem("no window " + Quoted(command.args[0]));
  } else {
    RunUiCommand(command);
  }
}

HWND ScriptRunner::Target(const Command& command) {
  if (command.verb == "close" && !command.args.empty()) {
    current_ = FindTopWindow(command.args[0]);
    if (!current_) Log().Problem("no window " + Quoted(command.args[0]));
    return current_;
  }
  if (!current_ || !IsWindow(current_)) {
    Log().Problem(command.verb + ": no window chosen or it is gone");
    return nullptr;
  }
  return current_;
}

void ScriptRunner::RunUiCommand(const Command& command) {
  const std::string& verb = command.verb;
  HWND window = Target(command);
  if (!window) return;
  if (verb == "close") {
    PostClose(window);
    Log().Line("Close -> posted");
    return;
  }
  if (verb == "shot") {
    const bool saved = SaveScreenshot(window, command.args[0]);
    Log().Line(Call("Shot", command.args[0]) + (saved ? " -> saved" : " -> failed"));
    if (!saved) Log().Problem("screenshot failed");
    return;
  }
  if (verb == "tab") {
    const std::string call = Call("Tab", command.args[0]);
    int index = -1;
    HWND tabs = FindTab(window, command.args[0], &index);
    const std::string why = tabs ? Unreachable(window, tabs) : "not found";
    if (why.empty() && PostTabClick(tabs, index)) {
      Log().Line(call + " -> posted");
    } else {
      Log().Line(call + " -> failed");
      Log().Problem("tab " + Quoted(command.args[0]) + ": " +
                    (why.empty() ? "no tab rectangle" : why));
    }
    return;
  }
  if (verb == "select" || verb == "dblclick") {
    const int index = IntArg(command, 0, -1), list = IntArg(command, 1, 0);
    const std::string call = std::string(verb == "select" ? "Select(" : "DoubleClick(") +
                             std::to_string(index) + "," + std::to_string(list) + ")";
    HWND box = FindListBox(window, list);
    const std::string why = box ? Unreachable(window, box) : "no such list box";
    if (why.empty() && PostItemClick(box, index, verb == "dblclick")) {
      Log().Line(call + " -> posted");
    } else {
      Log().Line(call + " -> failed");
      Log().Problem(verb + ": " + (why.empty() ? "no such item" : why));
    }
    return;
  }
  // click, check, uncheck, radio: by caption.
  const char* name = verb == "click"     ? "Click"
                     : verb == "check"   ? "Check"
                     : verb == "uncheck" ? "Uncheck"
                                         : "Radio";
  const std::string call = Call(name, command.args[0]);
  HWND control = FindControl(window, command.args[0]);
  const std::string why = control ? Unreachable(window, control) : "not found";
  if (!why.empty()) {
    Log().Line(call + " -> failed");
    Log().Problem(verb + " " + Quoted(command.args[0]) + ": " + why);
    return;
  }
  const bool wantChecked = verb != "uncheck";
  if (verb != "click" && IsChecked(control) == wantChecked) {
    Log().Line(call + " -> unchanged");
    return;
  }
  PostClick(control);
  Log().Line(call + " -> posted");
}

}  // namespace standin
