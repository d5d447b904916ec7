#include "ui/palette/palette_strip.h"

namespace kaleidra {

TColorChooser::TColorChooser() : FTrackBar(std::make_unique<toolkit::Button>()) {
  toolkit::Button& thumb = *FTrackBar;
  thumb.SetName("TrackBar");
  thumb.SetBounds(toolkit::Rect::FromBounds(0, 0, palette::kThumbSize, palette::kThumbSize));
  thumb.SetParent(this);
  thumb.onMouseDown = [this](toolkit::MouseButton button, uint8_t shift, int x, int y) {
    ButtonMouseDown(*FTrackBar, button, shift, x, y);
  };
  thumb.onMouseMove = [this](uint8_t shift, int x, int y) {
    ButtonMouseMove(*FTrackBar, shift, x, y);
  };
  thumb.onMouseUp = [this](toolkit::MouseButton button, uint8_t shift, int x, int y) {
    ButtonMouseUp(*FTrackBar, button, shift, x, y);
  };
}

// The thumb goes first, while the strip it sits on is still whole.
TColorChooser::~TColorChooser() {
  FTrackBar.reset();
}

void TColorChooser::Paint(toolkit::Canvas& canvas) {
  if (!Parent()) return;
  // Natural size; whatever lies beyond the strip's width is clipped away.
  canvas.DrawPicture(FBackPicture, 0, palette::PaintTop(Bounds().Height(), FBackPicture.height));
}

uint32_t TColorChooser::GetColorFromIndex(int32_t Index) const {
  return palette::GetColorFromIndex(FBackPicture, FMax, Index);
}

int32_t TColorChooser::GetIndexFromColor(uint32_t Color) const {
  return palette::GetIndexFromColor(FBackPicture, FMax, Color);
}

void TColorChooser::ButtonMouseDown(toolkit::Control& Sender, toolkit::MouseButton, uint8_t, int X,
                                    int) {
  // Captured, so that movements keep coming when the pointer leaves the thumb.
  Sender.SetCapture();
  FDrag.SetStripWidth(Bounds().Width());
  FDrag.Press(X);
}

void TColorChooser::ButtonMouseMove(toolkit::Control& Sender, uint8_t, int X, int) {
  const auto move = FDrag.Move(X);
  if (!move) return;
  Sender.MoveTo(move->left, 0);
  // Reported on every movement, also while the thumb is pressed against an end.
  if (FOnChangeColor) FOnChangeColor(palette::GetThumbColor(FBackPicture, move->column));
}

void TColorChooser::ButtonMouseUp(toolkit::Control& Sender, toolkit::MouseButton, uint8_t, int,
                                  int) {
  Sender.ReleaseCapture();
  FDrag.Release();
}

}  // namespace kaleidra
