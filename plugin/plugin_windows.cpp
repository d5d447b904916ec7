#include "plugin_windows.h"

namespace kaleidra {

void CreateWindows() {}
void LoadSettings() {}
msaver::SettingsView CurrentSettings() {
  return {};
}
void ShowSettingsWindow() {}
void SaveAndDestroyWindows() {}

}  // namespace kaleidra
