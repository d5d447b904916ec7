// The two palette pictures of the colour and brightness strips.
#pragma once

#include "ui/toolkit/picture.h"

namespace palette {

// 271 x 5, red through yellow, green, cyan, blue and magenta back towards red.
const toolkit::Picture& ColorPalettePicture();

// 271 x 5, greys rising from 150 to 221.
const toolkit::Picture& BrightnessPalettePicture();

}  // namespace palette
