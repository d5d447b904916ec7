#include "plugin_windows.h"

#include <map>
#include <vector>

#include "core/skin_entry.h"
#include "platform/ini_int.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "plugin/selection_lists.h"
#include "plugin/settings_file.h"
#include "plugin/write_error.h"
#include "ui/palette/brightness_window.h"
#include "ui/palette/colour_window.h"
#include "ui/settings/settings_window.h"
#include "ui/skins/skin_window.h"
#include "ui/toolkit/lifetime.h"

namespace kaleidra {

namespace {

void AppendColors(toolkit::ListBox& list, const TPaletteListForm& form,
                  const std::vector<int32_t>& indices) {
  for (const int32_t index : indices)
    list.AddItem(platform::DecimalText(form.ColorFromIndex(index)).View());
}

std::vector<int32_t> IndicesOf(const toolkit::ListBox& list, const TPaletteListForm& form) {
  std::vector<int32_t> indices;
  for (int i = 0; i < list.Count(); ++i) {
    const auto color = static_cast<uint32_t>(platform::ParseIniInt(list.ItemText(i), 0));
    indices.push_back(form.GetIndexFromColor(color));
  }
  return indices;
}

void SaveSelectionLists() {
  SelectionLists lists;
  const TSkinListBox& skins = *SkinListForm->SelSkinList;
  for (int i = 0; i < skins.Count(); ++i) {
    const kaleidra::SkinEntryRef& entry = skins.Entry(i);
    lists.skinNames.emplace_back(entry ? entry->FileName : std::u16string_view());
  }
  SkinListForm->ReleaseSelectionEntries();
  lists.colorIndices = IndicesOf(*ColorListForm->ColorsList, *ColorListForm);
  lists.intensityIndices = IndicesOf(*IntensityListForm->IntensitiesList, *IntensityListForm);
  WriteSelectionListsFile(kaleidra::ListsFilePath(), lists);
}

void ClearFlagsOfEmptyLists() {
  if (SkinListForm->SelSkinList->Count() == 0) AllowMySkins = false;
  if (ColorListForm->ColorsList->Count() == 0) AllowMyColors = false;
  if (IntensityListForm->IntensitiesList->Count() == 0) AllowMyIntensities = false;
}

// The player may stop the plug-in from inside a selection window's modal loop.
// The loop, the button that opened it and their windows are still on the
// stack then, so the windows are only hidden and retired; they are destroyed
// once no loop runs (the next start, or the library's unload).
std::vector<std::unique_ptr<toolkit::Form>>& Retired() {
  static std::vector<std::unique_ptr<toolkit::Form>> forms;
  return forms;
}

void DestroyRetired() {
  if (toolkit::ModalLoopRunning()) return;
  for (auto& form : Retired()) form->Destroy();
  Retired().clear();
}

template <class F>
void DestroyOrRetire(std::unique_ptr<F>& form) {
  if (toolkit::ModalLoopRunning()) {
    Retired().push_back(std::move(form));
    return;
  }
  form->Destroy();
  form.reset();
}

template <class F>
void CloseAndDestroy(std::unique_ptr<F>& form) {
  if (!form) return;
  if (form->IsShown()) form->Close();
  DestroyOrRetire(form);
}

// Runs its action when the scope ends, however it ends; a fault of the action
// itself goes no further.
template <class Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action) : action_(std::move(action)) {}
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;
  ~ScopeExit() {
    try {
      action_();
    } catch (...) {
    }
  }

 private:
  Action action_;
};

// One file's save. Any fault, not only a refused write, leaves that file
// unsaved and is reported as such; the other file is still saved.
template <class Save>
void SaveFile(std::vector<WriteError>& failures, std::u16string (*path)(), Save save) {
  try {
    save();
  } catch (const WriteError& e) {
    failures.push_back(e);
  } catch (...) {
    try {
      failures.emplace_back(path());
    } catch (...) {
    }
  }
}

}  // namespace

void CreateWindows() {
  DestroyRetired();
  SettingsForm = std::make_unique<TSettingsForm>();
  SkinListForm = std::make_unique<TSkinListForm>();
  ColorListForm = std::make_unique<TColorListForm>();
  IntensityListForm = std::make_unique<TIntensityListForm>();
}

void LoadSelectionLists() {
  const SelectionListsView lists(kaleidra::ListsFilePath());
  kaleidra::SkinEntryCache entries;
  entries.reserve(lists.skinNames.size());
  for (const std::u16string_view name : lists.skinNames)
    kaleidra::AddSkinItem(*SkinListForm->SelSkinList, name, &entries);
  AppendColors(*ColorListForm->ColorsList, *ColorListForm, lists.colorIndices);
  AppendColors(*IntensityListForm->IntensitiesList, *IntensityListForm, lists.intensityIndices);
}

void LoadSettings() {
  LoadSettingsFile(*SettingsForm);
  LoadSelectionLists();
}

kaleidra::SettingsView CurrentSettings() {
  return SettingsForm ? SettingsForm->View() : kaleidra::SettingsView{};
}

void ShowSettingsWindow() {
  if (!SettingsForm) return;
  SettingsForm->BringToFront();
  SettingsForm->Show();
}

void DestroyWindows() {
  CloseAndDestroy(IntensityListForm);
  CloseAndDestroy(ColorListForm);
  CloseAndDestroy(SkinListForm);
  if (SettingsForm) {
    SettingsForm->Timer.SetEnabled(false);
    SettingsForm->Hide();
    DestroyOrRetire(SettingsForm);
  }
}

void ReleaseRetiredWindows() {
  DestroyRetired();
  toolkit::ShutdownToolkit();
}

void SaveAndDestroyWindows(std::vector<WriteError>& failures) {
  const ScopeExit destroy([] {
    DestroyWindows();
    // The player may unload the library right after: no hook or class may stay.
    if (Retired().empty()) toolkit::ShutdownToolkit();
  });
  if (!SettingsForm || !SkinListForm || !ColorListForm || !IntensityListForm) return;
  ClearFlagsOfEmptyLists();
  SaveFile(failures, &kaleidra::SettingsFilePath, [] { SaveSettingsFile(*SettingsForm); });
  SaveFile(failures, &kaleidra::ListsFilePath, [] { SaveSelectionLists(); });
}

void ReportWriteFailures(const std::vector<WriteError>& failures) {
  for (const WriteError& failure : failures) {
    platform::MessageBoxCall box;
    box.text = failure.Text();
    box.hasCaption = true;
    box.caption = u"AIMP Kaleidra";
    box.flags = platform::kMbIconError;
    platform::ShowMessageBox(box);
  }
}

}  // namespace kaleidra
