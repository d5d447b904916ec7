#include "plugin.h"

#include "core/randomiser.h"
#include "plugin/plugin_windows.h"

namespace kaleidra {

int32_t MenuItemHandle = 0;

namespace {

std::atomic<int32_t> gLivePlugins{0};

const char16_t kMenuCaption[] = u"Случайная обложка";
constexpr uint32_t kMenuItemKind = 4;
constexpr uint32_t kShortCutI = 0x49;

// Keeps the core unit referenced for the length of Initialize only.
class CoreUnitHold {
 public:
  explicit CoreUnitHold(host::IAIMPCoreUnit* unit) : unit_(unit) {
    if (unit_) unit_->AddRef();
  }
  CoreUnitHold(const CoreUnitHold&) = delete;
  CoreUnitHold& operator=(const CoreUnitHold&) = delete;
  ~CoreUnitHold() {
    if (unit_) unit_->Release();
  }

 private:
  host::IAIMPCoreUnit* unit_;
};

template <class T>
bool QueryService(host::IAIMPCoreUnit* unit, const host::Guid& sid, host::HostRef<T>& into) {
  into.Reset();
  if (!unit) return false;
  void** slot = into.Put();
  if (unit->QueryInterface(sid, slot) != host::kResultOk) {
    // A host that fails must not leave us a reference we would release.
    *slot = nullptr;
    return false;
  }
  return static_cast<bool>(into);
}

void RegisterMenuCommand(host::IAIMPCoreUnit* unit) {
  if (!QueryService(unit, host::SID_MenuService, MenuService)) return;
  host::MenuItemRecord item{};
  item.Size = sizeof(host::MenuItemRecord);
  item.Caption = kMenuCaption;
  item.Kind = kMenuItemKind;
  item.Proc = &MenuCommandClick;
  item.ShortCut = kShortCutI;
  MenuItemHandle = MenuService->AddMenuItem(0, &item);
}

void UnregisterMenuCommand() {
  if (MenuService) MenuService->RemoveMenuItem(MenuItemHandle);
}

}  // namespace

host::HRESULT HOST_STDCALL TAIMPKaleidra::QueryInterface(const host::Guid& iid, void** object) {
  if (!object) return host::kInvalidPointer;
  if (iid == host::IID_IAIMPAddonPlugin || iid == host::IID_IUnknown) {
    *object = static_cast<host::IAIMPAddonPlugin*>(this);
    AddRef();
    return host::kResultOk;
  }
  *object = nullptr;
  return host::kNoInterface;
}

uint32_t HOST_STDCALL TAIMPKaleidra::AddRef() {
  return ++refCount_;
}

uint32_t HOST_STDCALL TAIMPKaleidra::Release() {
  const uint32_t left = --refCount_;
  if (left == 0) delete this;
  return left;
}

TAIMPKaleidra::~TAIMPKaleidra() {
  --gLivePlugins;
}

int32_t TAIMPKaleidra::LiveCount() {
  return gLivePlugins.load();
}

const char16_t* HOST_STDCALL TAIMPKaleidra::GetPluginAuthor() {
  return u"Orvo";
}
const char16_t* HOST_STDCALL TAIMPKaleidra::GetPluginInfo() {
  return u"Plugin for work with the skin engine";
}
const char16_t* HOST_STDCALL TAIMPKaleidra::GetPluginName() {
  return u"AIMP Kaleidra";
}
uint32_t HOST_STDCALL TAIMPKaleidra::GetPluginFlags() {
  return 1;
}

host::HRESULT HOST_STDCALL TAIMPKaleidra::Initialize(host::IAIMPCoreUnit* coreUnit) {
  try {
    CoreUnitHold hold(coreUnit);
    if (!QueryService(coreUnit, host::SID_SkinsService, SkinsService)) return 1;
    RegisterMenuCommand(coreUnit);
    CreateWindows();
    LoadSettings();
    kaleidra::ApplyChangeRequest(SkinsService.Get(),
                                 kaleidra::BuildStartupRequest(CurrentSettings()));
    PluginActive = true;
    return 0;
  } catch (...) {
    // Leave the player as if the plug-in had not started.
    try {
      DestroyWindows();
      UnregisterMenuCommand();
    } catch (...) {
    }
    return 1;
  }
}

host::HRESULT HOST_STDCALL TAIMPKaleidra::Finalize() {
  if (!PluginActive) return 0;
  std::vector<WriteError> failures;
  try {
    SaveAndDestroyWindows(failures);
  } catch (...) {
  }
  try {
    UnregisterMenuCommand();
  } catch (...) {
  }
  PluginActive = false;
  // Only now may the user be kept waiting: the boxes' loops deliver the
  // player's messages, and nothing of ours may answer them any more.
  try {
    ReportWriteFailures(failures);
  } catch (...) {
  }
  return 0;
}

host::HRESULT HOST_STDCALL TAIMPKaleidra::ShowSettingsDialog(host::HostWindow) {
  if (!PluginActive) return 0;
  try {
    ShowSettingsWindow();
  } catch (...) {
  }
  return 0;
}

int32_t QueryAddon3(host::IAIMPAddonPlugin** plugin) {
  if (!plugin) return 0;
  *plugin = nullptr;
  try {
    auto* object = new TAIMPKaleidra();  // owns itself through its count
    ++gLivePlugins;
    object->AddRef();
    *plugin = object;
    return -1;
  } catch (...) {
    return 0;
  }
}

void HOST_STDCALL MenuCommandClick(int32_t, int32_t) {
  try {
    // A player may still deliver a command it had queued before the stop.
    if (!PluginActive || !SkinsService) return;
    kaleidra::ApplyChangeRequest(SkinsService.Get(), kaleidra::BuildMenuRequest(CurrentSettings()));
  } catch (...) {
  }
}

void ReleaseServices() {
  ReleaseRetiredWindows();
  SkinsService.Reset();
  MenuService.Reset();
}

}  // namespace kaleidra
