// What the plug-in object asks of its windows and files: the start-up and
// shut-down order in one place.
#pragma once

#include "core/randomiser.h"

namespace kaleidra {

void CreateWindows();
void LoadSettings();
// The last step of LoadSettings: the lists file into the three selection
// windows, whose lists are empty.
void LoadSelectionLists();
msaver::SettingsView CurrentSettings();
void ShowSettingsWindow();
// Finalize's work before the menu command is removed: flags, files, windows.
// A failed write is shown to the user, never passed on.
void SaveAndDestroyWindows();
// Without saving: an Initialize that failed half-way.
void DestroyWindows();
// Deletes windows whose deletion waited for a modal loop to end.
void ReleaseRetiredWindows();

}  // namespace kaleidra
