// What the plug-in object asks of its windows and files. The windows do not
// exist yet in this step; these keep the start-up and shut-down order in one place.
#pragma once

#include "core/msaver.h"

namespace kaleidra {

void CreateWindows();
void LoadSettings();
msaver::SettingsView CurrentSettings();
void ShowSettingsWindow();
// Finalize's work before the menu command is removed: flags, files, windows.
void SaveAndDestroyWindows();

}  // namespace kaleidra
