// What the plug-in object asks of its windows and files: the start-up and
// shut-down order in one place.
#pragma once

#include <vector>

#include "core/randomiser.h"
#include "plugin/write_error.h"

namespace kaleidra {

void CreateWindows();
void LoadSettings();
// The last step of LoadSettings: the lists file into the three selection
// windows, whose lists are empty.
void LoadSelectionLists();
kaleidra::SettingsView CurrentSettings();
void ShowSettingsWindow();
// Finalize's work before the menu command is removed: flags, files, windows.
// The windows are destroyed whatever the saves throw. Each file that could not
// be written is added to failures, to be shown once the plug-in has stopped.
void SaveAndDestroyWindows(std::vector<WriteError>& failures);
// One error box per file that could not be written.
void ReportWriteFailures(const std::vector<WriteError>& failures);
// Without saving: an Initialize that failed half-way.
void DestroyWindows();
// Deletes windows whose deletion waited for a modal loop to end.
void ReleaseRetiredWindows();

}  // namespace kaleidra
