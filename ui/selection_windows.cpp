#include "ui/forms.h"

#include "ui/ColorListFrm.h"
#include "ui/IntensityListFrm.h"
#include "ui/skinlistfrm.h"

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
