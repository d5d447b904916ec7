#include "ui/toolkit/testing/painted.h"

#include <memory>

#include "ui/toolkit/controls.h"

namespace toolkit::test {
namespace {

RecordingCanvas Blank(const Control& control) {
  return RecordingCanvas(control.Bounds().Width(), control.Bounds().Height(),
                         SystemColor(SysColor::ButtonFace));
}

// Draws each painting on the copy too; the copy starts over when the area's
// size changes, as the area's own surface does.
struct Mirror {
  PictureArea* area;
  std::shared_ptr<RecordingCanvas> copy;

  void operator()(const PictureArea::Painting& paint) const {
    const Rect& r = area->Bounds();
    if (copy->Pixels().width != r.Width() || copy->Pixels().height != r.Height())
      *copy = Blank(*area);
    paint(*copy);
  }
};

}  // namespace

RecordingCanvas Painted(CustomControl& control) {
  RecordingCanvas canvas = Blank(control);
  control.Paint(canvas);
  return canvas;
}

RecordingCanvas& Drawings(PictureArea& area) {
  if (const Mirror* mirror = area.onDraw.target<Mirror>()) return *mirror->copy;
  Mirror mirror{&area, std::make_shared<RecordingCanvas>(Blank(area))};
  area.onDraw = mirror;
  return *mirror.copy;
}

}  // namespace toolkit::test
