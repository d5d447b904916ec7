#include "ui/ColorListFrm.h"

#include "resources/palettes.h"

namespace kaleidra {

std::unique_ptr<TColorListForm> ColorListForm;

namespace {

const PaletteListKind kColorList{u"Выберите наборку цветов:",
                                 "CurColorLbl",
                                 "ColorChooser",
                                 "ColorIcon",
                                 "ColorsList",
                                 &resources::ColorPalettePicture,
                                 200};

}  // namespace

TColorListForm::TColorListForm() : TPaletteListForm(kColorList) {}

}  // namespace kaleidra
