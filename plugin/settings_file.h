// The settings file: the settings window's state between runs of the player.
#pragma once

namespace kaleidra {

class TSettingsForm;

// Sets the freshly created window's controls and the three flags from the
// file. A missing file, key or value, or text that is not an integer, reads
// as the key's default; reading never fails.
void LoadSettingsFile(TSettingsForm& form);

// Writes every key, one private-profile write each, so keys the file holds
// besides ours survive. Throws WriteError at the first key that cannot be
// written; the keys after it are not written.
void SaveSettingsFile(const TSettingsForm& form);

}  // namespace kaleidra
