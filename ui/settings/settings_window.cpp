#include "ui/settings/settings_window.h"

#include "resources/banner.h"
#include "ui/selection_windows.h"
#include "ui/settings/png_decoder.h"

namespace kaleidra {

bool AllowMySkins = false;
bool AllowMyColors = false;
bool AllowMyIntensities = false;

std::unique_ptr<TSettingsForm> SettingsForm;

namespace {

constexpr int kOwnListItem = 2;
constexpr uint32_t kMillisecondsPerSecond = 1000;

// The one rule behind the three "Выбрать..." buttons.
void UpdateFill(const toolkit::RadioGroup& group, toolkit::Button& button, bool& flag) {
  button.SetEnabled(group.Enabled() && group.ItemIndex() == kOwnListItem);
  flag = button.Enabled();
}

void SelectOwnList(toolkit::RadioGroup& group) {
  group.SetEnabled(true);
  group.SetItemIndex(kOwnListItem);
}

}  // namespace

TSettingsForm::TSettingsForm() {
  Timer.onTimer = [this] { TimerTimer(); };
  toolkit::Bind(*this, SettingsFormDescription());
}

TSettingsForm::~TSettingsForm() {
  Destroy();
}

void TSettingsForm::FormCreate() {
  // Flags left over from an earlier start in the same load would otherwise
  // steer the settings load; they follow the fresh groups instead.
  UpdateFills();
}

// The banner is decoded when the window is first shown: most starts of the
// player never open the settings.
void TSettingsForm::FormShow() {
  if (bannerDrawn_) return;
  bannerDrawn_ = true;
  Banner->SetPicture(png::Decode(resources::BannerPng()));
}

void TSettingsForm::UpdateFills() {
  UpdateFillSkins();
  UpdateFillColors();
  UpdateFillIntensities();
}

void TSettingsForm::UpdateFillSkins() {
  UpdateFill(*SkinMethod, *SkinSelBtn, AllowMySkins);
}

void TSettingsForm::UpdateFillColors() {
  UpdateFill(*ChooseColor, *BtnColorsRange, AllowMyColors);
}

void TSettingsForm::UpdateFillIntensities() {
  UpdateFill(*ChooseIntensity, *BtnIntensitiesRange, AllowMyIntensities);
}

void TSettingsForm::UpdateColorPage() {
  if (AllowMyColors) SelectOwnList(*ChooseColor);
  if (AllowMyIntensities) SelectOwnList(*ChooseIntensity);
}

void TSettingsForm::UpdateSkinPage() {
  SelectOwnList(*SkinMethod);
}

void TSettingsForm::TimerChkClick() {
  TimerOptions->SetEnabled(TimerChk->Checked());
}

void TSettingsForm::SetUpTimer() {
  if (TimerChk->Checked()) {
    const auto seconds = static_cast<uint32_t>(TimerInterval->Clamp(TimerInterval->Value()));
    Timer.SetInterval(seconds * kMillisecondsPerSecond);
    Timer.SetEnabled(true);
  } else {
    Timer.SetEnabled(false);
  }
}

void TSettingsForm::FormClose() {
  // The field may still hold a number typed out of range; closing takes the
  // focus from it, so it is brought into range as losing the focus would.
  TimerInterval->SetValue(TimerInterval->Value());
  SetUpTimer();
}

void TSettingsForm::TimerTimer() {
  host::IAIMPSkinsService* skins = kaleidra::SkinsService.Get();
  if (!kaleidra::PluginActive || !skins) return;
  kaleidra::ApplyChangeRequest(skins, kaleidra::BuildTimerRequest(View()));
}

void TSettingsForm::BtnColorsRangeClick() {
  ShowSelectionWindowModal(SelectionWindow::Colors);
}

void TSettingsForm::BtnIntensitiesRangeClick() {
  ShowSelectionWindowModal(SelectionWindow::Intensities);
}

void TSettingsForm::SkinSelBtnClick() {
  ShowSelectionWindowModal(SelectionWindow::Skins);
}

kaleidra::SettingsView TSettingsForm::View() const {
  kaleidra::SettingsView v;
  v.CSChk = CSChk->Checked();
  v.IntenChk = IntenChk->Checked();
  v.SkinChk = SkinChk->Checked();
  v.ChooseColor = ChooseColor->ItemIndex();
  v.ChooseIntensity = ChooseIntensity->ItemIndex();
  v.SkinMethod = SkinMethod->ItemIndex();
  v.TimerAllowChangeColor = TimerAllowChangeColor->Checked();
  v.TimerAllowChangeIntensity = TimerAllowChangeIntensity->Checked();
  v.TimerAllowChangeSkins = TimerAllowChangeSkins->Checked();
  v.AllowMySkins = AllowMySkins;
  v.AllowMyColors = AllowMyColors;
  v.AllowMyIntensities = AllowMyIntensities;
  return v;
}

}  // namespace kaleidra
