#include "ui/selection_windows.h"

#include "ui/palette/brightness_window.h"
#include "ui/palette/colour_window.h"
#include "ui/skins/skin_window.h"

namespace kaleidra {

void ShowSelectionWindowModal(SelectionWindow which) {
  switch (which) {
    case SelectionWindow::Skins:
      if (SkinListForm) SkinListForm->ShowModal();
      break;
    case SelectionWindow::Colors:
      if (ColorListForm) ColorListForm->ShowModal();
      break;
    case SelectionWindow::Intensities:
      if (IntensityListForm) IntensityListForm->ShowModal();
      break;
  }
}

}  // namespace kaleidra
