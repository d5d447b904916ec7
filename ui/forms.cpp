#include "ui/forms.h"

namespace kaleidra {

void ShowSelectionWindowModal(SelectionWindow) {}

}  // namespace kaleidra
