#include "ui/palette/brightness_window.h"

#include "ui/palette/palette_pictures.h"

namespace kaleidra {

std::unique_ptr<TIntensityListForm> IntensityListForm;

namespace {

// The label reads "Текущий цвет:" here too.
const PaletteListKind kIntensityList{u"Выберите наборку яркости:",
                                     "CurIntensityLbl",
                                     "IntensityChooser",
                                     "IntensityIcon",
                                     "IntensitiesList",
                                     &palette::BrightnessPalettePicture,
                                     100};

}  // namespace

TIntensityListForm::TIntensityListForm() : TPaletteListForm(kIntensityList) {}

}  // namespace kaleidra
