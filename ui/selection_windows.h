// The four windows are library-wide objects created at Initialize and destroyed
// at Finalize. Each unit defines its own global (SettingsForm in
// settings_window, SkinListForm in skin_window, ColorListForm in colour_window,
// IntensityListForm in brightness_window); this header lets one window open
// another without depending on its class.
#pragma once

namespace kaleidra {

enum class SelectionWindow { Skins, Colors, Intensities };

// Shows one of the selection windows modally; returns when it closes. Does
// nothing when that window does not exist.
void ShowSelectionWindowModal(SelectionWindow which);

}  // namespace kaleidra
