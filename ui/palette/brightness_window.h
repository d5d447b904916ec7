// The brightness selection window: the user's own list of brightness levels.
#pragma once

#include <memory>

#include "ui/palette/palette_window.h"

namespace kaleidra {

class TIntensityListForm : public TPaletteListForm {
 public:
  TIntensityListForm();

  // This window's names for the shared controls.
  toolkit::Label*& CurIntensityLbl = CurLbl;
  TColorChooser*& IntensityChooser = Chooser;
  TColorIcon*& IntensityIcon = Icon;
  toolkit::ListBox*& IntensitiesList = List;
};

extern std::unique_ptr<TIntensityListForm> IntensityListForm;

}  // namespace kaleidra
