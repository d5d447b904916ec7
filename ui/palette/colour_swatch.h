// The colour swatch: a plain rectangle filled with one colour.
#pragma once

#include <cstdint>

#include "ui/toolkit/controls.h"

namespace kaleidra {

class TColorIcon : public toolkit::CustomControl {
 public:
  TColorIcon() = default;

  void Paint(toolkit::Canvas& canvas) override;

  uint32_t Color() const { return FColor; }
  // Paints within the call, so that a drag shows every colour it passes.
  void SetColor(uint32_t color);

 private:
  uint32_t FColor = 0;
};

}  // namespace kaleidra
