// The colour selection window: the user's own list of colours.
#pragma once

#include <memory>

#include "ui/palette/palette_window.h"

namespace kaleidra {

class TColorListForm : public TPaletteListForm {
 public:
  TColorListForm();

  // This window's names for the shared controls.
  toolkit::Label*& CurColorLbl = CurLbl;
  TColorChooser*& ColorChooser = Chooser;
  TColorIcon*& ColorIcon = Icon;
  toolkit::ListBox*& ColorsList = List;
};

extern std::unique_ptr<TColorListForm> ColorListForm;

}  // namespace kaleidra
