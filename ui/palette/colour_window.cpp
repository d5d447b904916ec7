#include "ui/palette/colour_window.h"

#include "ui/palette/palette_pictures.h"

namespace kaleidra {

std::unique_ptr<TColorListForm> ColorListForm;

namespace {

const PaletteListKind kColorList{u"Выберите наборку цветов:",
                                 "CurColorLbl",
                                 "ColorChooser",
                                 "ColorIcon",
                                 "ColorsList",
                                 &palette::ColorPalettePicture,
                                 200};

}  // namespace

TColorListForm::TColorListForm() : TPaletteListForm(kColorList) {}

}  // namespace kaleidra
