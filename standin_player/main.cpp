// The stand-in player: plays the player for the plug-in DLL in Plugins\ beside it.
#include <windows.h>

#include <memory>

#include "fake_player/services.h"
#include "standin_player/call_log.h"
#include "standin_player/fault_guard.h"
#include "standin_player/immortal.h"
#include "standin_player/options.h"
#include "standin_player/player_window.h"
#include "standin_player/plugin_driver.h"
#include "standin_player/script_runner.h"
#include "standin_player/service_log.h"
#include "standin_player/skin_catalog.h"
#include "standin_player/text.h"

namespace {

constexpr int kExitBadUsage = 2;
constexpr int kExitNoWindow = 3;

// The stand-in keeps one reference of its own on each of its objects, as a player does.
constexpr uint32_t kOwnReference = 1;

// What the plug-in holds pointers to: kept until the process is gone.
struct Player {
  Player(const std::wstring& folder, const standin::Options& options)
      : catalog(folder + L"Skins\\"),
        core(kOwnReference),
        driver(folder + L"Plugins\\orvo_aimp_kaleidra.dll", core) {
    for (const auto& name : options.refused) catalog.Refuse(name);
    fake_player::SkinsService& skins = core.skins;
    skins.DescribeFrom(&catalog);
    skins.currentSkin = standin::Utf16Text(options.currentSkin);
    skins.hue = options.hue;
    skins.intensity = options.intensity;
    skins.readWritesNothing = options.currentSkinWritesNothing;
    core.menu.nextHandle = options.firstMenuHandle;
    core.provideSkins = options.skinsService;
    core.provideMenu = options.menuService;
    core.Watch(&log);
    core.KeepNoRecord();  // the log is the record
  }
  standin::SkinCatalog catalog;
  standin::ServiceLog log;
  fake_player::CoreUnit core;
  standin::PluginDriver driver;
};

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

bool LoadScript(const standin::Options& options, std::vector<standin::Command>* commands) {
  std::wstring text = options.script;
  if (!options.scriptFile.empty() && !standin::ReadScriptFile(options.scriptFile, &text)) {
    standin::Log().Problem("cannot read script file " + standin::Quoted(options.scriptFile));
    return false;
  }
  std::string error;
  if (!standin::ParseScript(text, commands, &error)) {
    standin::Log().Problem("script: " + error);
    return false;
  }
  return true;
}

int Run(HINSTANCE instance) {
  using namespace standin;
  const std::wstring folder = ExeFolder();
  Options options;
  std::string error;
  const bool parsed = ParseOptions(CommandLineArgs(), &options, &error);
  Log().Open(options.logPath.empty() ? folder + L"standin.log" : options.logPath);
  if (!parsed) {
    Log().Problem("command line: " + error);
    return kExitBadUsage;
  }
  std::vector<Command> commands;
  if (options.ScriptMode() && !LoadScript(options, &commands)) return kExitBadUsage;
  InstallFaultFilter();

  static Immortal<Player> player(folder, options);
  PluginDriver& driver = player->driver;

  if (options.ScriptMode()) {
    ScriptRunner runner(std::move(commands), driver, options.menuDuringBox);
    if (!runner.Start(instance)) return kExitNoWindow;
    return RunMessageLoop();
  }
  PlayerWindow window(driver, player->core, player->log);
  if (!window.Create(instance)) return kExitNoWindow;
  return RunMessageLoop();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return Run(instance);
}
