// The settings window. Its controls are the settings state while the player
// runs; the three flags beside it say whether the user's own lists are in use.
// Closing the window only hides it; it owns the timer of periodic changes.
#pragma once

#include <memory>

#include "core/randomiser.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/description.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/timer.h"

namespace kaleidra {

// Kept equal to the enabled state of the matching "Выбрать..." button by the
// enable rules; also written by the settings load and by Finalize.
extern bool AllowMySkins;
extern bool AllowMyColors;
extern bool AllowMyIntensities;

class TSettingsForm : public toolkit::Form {
 public:
  TSettingsForm();
  ~TSettingsForm() override;

  toolkit::PictureArea* Banner = nullptr;
  toolkit::PageControl* Pages = nullptr;

  toolkit::TabSheet* RunParam = nullptr;
  toolkit::CheckBox* CSChk = nullptr;
  toolkit::CheckBox* IntenChk = nullptr;
  toolkit::CheckBox* SkinChk = nullptr;

  toolkit::TabSheet* ColorsPage = nullptr;
  toolkit::RadioGroup* ChooseColor = nullptr;
  toolkit::RadioGroup* ChooseIntensity = nullptr;
  toolkit::Button* BtnColorsRange = nullptr;
  toolkit::Button* BtnIntensitiesRange = nullptr;
  toolkit::Label* Label1 = nullptr;
  toolkit::Memo* Memo1 = nullptr;

  toolkit::TabSheet* SkinPage = nullptr;
  toolkit::RadioGroup* SkinMethod = nullptr;
  toolkit::Button* SkinSelBtn = nullptr;
  toolkit::Label* lbl3 = nullptr;
  toolkit::Memo* mmo2 = nullptr;

  toolkit::TabSheet* TimerPage = nullptr;
  toolkit::CheckBox* TimerChk = nullptr;
  toolkit::GroupBox* TimerOptions = nullptr;
  toolkit::Label* lbl2 = nullptr;
  toolkit::SpinEdit* TimerInterval = nullptr;
  toolkit::CheckBox* TimerAllowChangeColor = nullptr;
  toolkit::CheckBox* TimerAllowChangeIntensity = nullptr;
  toolkit::CheckBox* TimerAllowChangeSkins = nullptr;
  toolkit::Label* lbl1 = nullptr;
  toolkit::Memo* mmo1 = nullptr;

  toolkit::Timer Timer;

  // Enable rules: each button is enabled exactly when its group is enabled and
  // on item 2, and its flag follows the button.
  void UpdateFills();
  void UpdateFillSkins();
  void UpdateFillColors();
  void UpdateFillIntensities();
  // Put groups on item 2: UpdateColorPage each group whose flag is set,
  // UpdateSkinPage the skin group always (its caller tests the flag). The
  // enable rules bring the buttons and flags along.
  void UpdateColorPage();
  void UpdateSkinPage();

  // Switches the timer on with the interval of TimerInterval when TimerChk is
  // ticked, off otherwise. The settings load and closing the window use it.
  void SetUpTimer();

  // The state as the request builders read it.
  kaleidra::SettingsView View() const;

  // Handlers the window description wires.
  void FormCreate();
  void FormShow();
  void FormClose();
  void CSChkClick() { UpdateFills(); }
  void IntenChkClick() { UpdateFills(); }
  void SkinChkClick() { UpdateFills(); }
  void ChooseColorClick() { UpdateFillColors(); }
  void ChooseIntensityClick() { UpdateFillIntensities(); }
  void SkinMethodClick() { UpdateFillSkins(); }
  void BtnColorsRangeClick();
  void BtnIntensitiesRangeClick();
  void SkinSelBtnClick();
  void TimerChkClick();
  void TimerTimer();

 private:
  bool bannerDrawn_ = false;
};

// In settings_window_description.cpp.
const toolkit::WindowDescription<TSettingsForm>& SettingsFormDescription();

extern std::unique_ptr<TSettingsForm> SettingsForm;

}  // namespace kaleidra
