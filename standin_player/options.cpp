#include "standin_player/options.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cwchar>

#include "standin_player/text.h"

namespace standin {

namespace {

bool ParseInt(const std::wstring& text, int32_t* value) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  const long long v = std::wcstoll(text.c_str(), &end, 10);
  if (*end != L'\0' || v < INT32_MIN || v > INT32_MAX) return false;
  *value = static_cast<int32_t>(v);
  return true;
}

}  // namespace

bool ParseOptions(const std::vector<std::wstring>& args, Options* options, std::string* error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    auto value = [&]() -> const std::wstring& { return args[++i]; };
    if (arg == L"--no-skins-service") {
      options->skinsService = false;
    } else if (arg == L"--no-menu-service") {
      options->menuService = false;
    } else if (arg == L"--current-skin-writes-nothing") {
      options->currentSkinWritesNothing = true;
    } else if (arg == L"--menu-during-box") {
      options->menuDuringBox = true;
    } else if (!hasValue && (arg == L"--log" || arg == L"--script" || arg == L"--script-file" ||
                             arg == L"--refuse" || arg == L"--current-skin" || arg == L"--hue" ||
                             arg == L"--intensity" || arg == L"--first-menu-handle")) {
      *error = Utf8(arg) + " needs a value";
      return false;
    } else if (arg == L"--log") {
      options->logPath = value();
    } else if (arg == L"--script") {
      options->script = value();
    } else if (arg == L"--script-file") {
      options->scriptFile = value();
    } else if (arg == L"--refuse") {
      options->refused.push_back(value());
    } else if (arg == L"--current-skin") {
      options->currentSkin = value();
    } else if (arg == L"--hue" || arg == L"--intensity" || arg == L"--first-menu-handle") {
      int32_t* target = arg == L"--hue"         ? &options->hue
                        : arg == L"--intensity" ? &options->intensity
                                                : &options->firstMenuHandle;
      if (!ParseInt(value(), target)) {
        *error = Utf8(arg) + " needs an integer";
        return false;
      }
    } else {
      *error = "unknown option " + Quoted(arg);
      return false;
    }
  }
  return true;
}

std::vector<std::wstring> CommandLineArgs() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  if (!argv) return args;
  for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

}  // namespace standin
