// What controls paint, on a recording canvas a test can read.
#pragma once

#include "ui/toolkit/testing/recording_canvas.h"

namespace toolkit {

class CustomControl;
class PictureArea;

namespace test {

// The control painted whole, now, on a canvas of its size in the button face colour.
RecordingCanvas Painted(CustomControl& control);

// A recording copy of the area's surface: from this call on, every drawing on
// the area is drawn on it too. It lives as long as the area, and a second call
// returns the same copy.
RecordingCanvas& Drawings(PictureArea& area);

}  // namespace test
}  // namespace toolkit
