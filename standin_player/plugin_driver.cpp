#include "standin_player/plugin_driver.h"

#include <set>

#include "standin_player/call_log.h"
#include "standin_player/fault_guard.h"
#include "standin_player/text.h"

namespace standin {

namespace {

using QueryAddon3Proc = int32_t(__stdcall*)(host::IAIMPAddonPlugin**);

constexpr size_t kMaxPluginText = 4096;

std::set<HWND>& OwnWindows() {
  static std::set<HWND> windows;
  return windows;
}

BOOL CALLBACK CountPluginWindow(HWND window, LPARAM count) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == GetCurrentProcessId() && IsWindowVisible(window) && !OwnWindows().count(window))
    ++*reinterpret_cast<int*>(count);
  return TRUE;
}

std::string Windows() {
  return " windows=" + std::to_string(PluginWindowCount());
}

LONGLONG Counter() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

LONGLONG MillisecondsSince(LONGLONG started) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return (Counter() - started) * 1000 / frequency.QuadPart;
}

std::string PluginText(const char16_t* text) {
  return QuotedOrNull(reinterpret_cast<const wchar_t*>(text), kMaxPluginText);
}

}  // namespace

int PluginWindowCount() {
  int count = 0;
  EnumWindows(&CountPluginWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

void MarkOwnWindow(HWND window) {
  OwnWindows().insert(window);
}

template <class Body>
bool PluginDriver::Call(const std::string& what, Body&& body) {
  Fault fault;
  if (RunGuarded(body, &fault)) return true;
  Log().Line(what + " -> fault " + fault.Describe());
  Log().Problem("the plug-in faulted in " + what);
  return false;
}

bool PluginDriver::Load() {
  if (module_) return true;
  const std::string name = "LoadLibrary(" + Quoted(dllPath_) + ") -> ";
  module_.Reset(LoadLibraryW(dllPath_.c_str()));
  if (!module_) {
    Log().Line(name + "0 error=" + std::to_string(GetLastError()));
    Log().Problem("the plug-in library did not load");
    return false;
  }
  Log().Line(name + "1");
  const auto query = reinterpret_cast<QueryAddon3Proc>(
      reinterpret_cast<void*>(GetProcAddress(module_.Get(), "AIMP_QueryAddon3")));
  if (!query) {
    Log().Problem("no export AIMP_QueryAddon3");
    return true;
  }
  int32_t result = 0;
  host::IAIMPAddonPlugin* plugin = nullptr;
  if (!Call("QueryAddon3", [&] { result = query(&plugin); })) return true;
  Log().Line("QueryAddon3 -> " + std::to_string(result));
  plugin_ = plugin;
  if (!plugin_) {
    Log().Problem("QueryAddon3 gave no plug-in");
    return true;
  }
  QueryTexts();
  return true;
}

void PluginDriver::QueryTexts() {
  std::string text;
  if (Call("GetPluginAuthor", [&] { text = PluginText(plugin_->GetPluginAuthor()); }))
    Log().Line("GetPluginAuthor -> " + text);
  if (Call("GetPluginInfo", [&] { text = PluginText(plugin_->GetPluginInfo()); }))
    Log().Line("GetPluginInfo -> " + text);
  if (Call("GetPluginName", [&] { text = PluginText(plugin_->GetPluginName()); }))
    Log().Line("GetPluginName -> " + text);
  uint32_t flags = 0;
  if (Call("GetPluginFlags", [&] { flags = plugin_->GetPluginFlags(); }))
    Log().Line("GetPluginFlags -> " + std::to_string(flags));
}

void PluginDriver::Start() {
  if (Load()) Initialize();
}

void PluginDriver::Initialize() {
  if (!plugin_) {
    Log().Problem("Initialize: no plug-in");
    return;
  }
  host::HRESULT result = 0;
  const LONGLONG started = Counter();
  if (Call("Initialize", [&] { result = plugin_->Initialize(&core_); }))
    Log().Line("Initialize -> " + std::to_string(result) + Windows() +
               " ms=" + std::to_string(MillisecondsSince(started)));
}

void PluginDriver::Finalize() {
  if (!plugin_) {
    Log().Problem("Finalize: no plug-in");
    return;
  }
  host::HRESULT result = 0;
  if (Call("Finalize", [&] { result = plugin_->Finalize(); }))
    Log().Line("Finalize -> " + std::to_string(result) + Windows());
}

void PluginDriver::ShowSettings(HWND parent) {
  if (!plugin_) {
    Log().Problem("ShowSettingsDialog: no plug-in");
    return;
  }
  host::HRESULT result = 0;
  const std::string call = "ShowSettingsDialog(" + Hex(reinterpret_cast<uintptr_t>(parent)) + ")";
  if (Call(call, [&] { result = plugin_->ShowSettingsDialog(parent); }))
    Log().Line(call + " -> " + std::to_string(result) + Windows());
}

void PluginDriver::ClickMenu(int32_t handle) {
  const auto& items = core_.menu.items;
  const auto item = handle ? items.find(handle) : items.begin();
  if (item == items.end()) {
    Log().Problem("menu: no menu item");
    return;
  }
  if (!module_) {
    Log().Problem("menu: item " + std::to_string(item->first) + " outlived its plug-in");
    return;
  }
  const host::MenuItemProc proc = item->second.record.Proc;
  const std::string call = "MenuProc(0,0)";
  if (!proc) {
    Log().Problem("menu: item " + std::to_string(item->first) + " has no callback");
    return;
  }
  if (Call(call, [&] { proc(0, 0); }))
    Log().Line(call + " -> done item=" + std::to_string(item->first) + Windows());
}

void PluginDriver::ClickQueuedMenu() {
  const host::MenuItemProc proc = core_.menu.lastProc;
  if (!proc || !module_) return;
  const std::string call = "MenuProc(0,0)";
  if (Call(call, [&] { proc(0, 0); })) Log().Line(call + " -> done queued" + Windows());
}

void PluginDriver::Unload() {
  if (!module_) {
    Log().Problem("unload: nothing loaded");
    return;
  }
  if (plugin_) {
    uint32_t left = 0;
    host::IAIMPAddonPlugin* plugin = plugin_;
    plugin_ = nullptr;
    if (Call("Release", [&] { left = plugin->Release(); }))
      Log().Line("Release -> " + std::to_string(left));
  }
  BOOL freed = FALSE;
  HMODULE module = module_.Detach();
  if (Call("FreeLibrary", [&] { freed = FreeLibrary(module); }))
    Log().Line("FreeLibrary -> " + std::to_string(freed) +
               " core=" + std::to_string(core_.References()) +
               " skins=" + std::to_string(core_.skins.References()) +
               " menu=" + std::to_string(core_.menu.References()) + Windows());
  for (const auto& item : core_.menu.items)
    Log().Problem("unload: menu item " + std::to_string(item.first) + " still registered");
}

}  // namespace standin
