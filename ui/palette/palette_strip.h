// The palette strip: a palette picture with a small draggable thumb. While the
// thumb is dragged the strip reports the colour of the picture under it; it
// also maps palette indices to colours and back for the lists file.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "ui/palette/palette_mapping.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/picture.h"

namespace kaleidra {

using TOnChangeColor = std::function<void(uint32_t Color)>;

class TColorChooser : public toolkit::CustomControl {
 public:
  TColorChooser();
  ~TColorChooser() override;

  void Paint(toolkit::Canvas& canvas) override;

  // The strip keeps its own copy; setting it does not repaint.
  const toolkit::Picture& BackImage() const { return FBackPicture; }
  void SetBackImage(const toolkit::Picture& picture) { FBackPicture = picture; }
  int32_t Max() const { return FMax; }
  void SetMax(int32_t max) { FMax = max; }
  const TOnChangeColor& onChangeColor() const { return FOnChangeColor; }
  void SetOnChangeColor(TOnChangeColor handler) { FOnChangeColor = std::move(handler); }

  uint32_t GetColorFromIndex(int32_t Index) const;
  // -1 for a colour the picture does not hold.
  int32_t GetIndexFromColor(uint32_t Color) const;
  uint32_t ColorFromIndex(int32_t Index) const { return GetColorFromIndex(Index); }
  int32_t IndexFromColor(uint32_t Color) const { return GetIndexFromColor(Color); }

  // Bound to the thumb's mouse events; any button drags.
  void ButtonMouseDown(toolkit::Control& Sender, toolkit::MouseButton Button, uint8_t Shift, int X,
                       int Y);
  void ButtonMouseMove(toolkit::Control& Sender, uint8_t Shift, int X, int Y);
  void ButtonMouseUp(toolkit::Control& Sender, toolkit::MouseButton Button, uint8_t Shift, int X,
                     int Y);

  // The drag state: where the thumb was grabbed, and whether a drag is on.
  int32_t Mix() const { return FDrag.GrabX(); }
  bool ButtonDown() const { return FDrag.Dragging(); }
  toolkit::Button& TrackBar() { return *FTrackBar; }

 private:
  palette::ThumbDrag FDrag;
  std::unique_ptr<toolkit::Button> FTrackBar;
  toolkit::Picture FBackPicture;
  TOnChangeColor FOnChangeColor;
  int32_t FMax = 0;
};

}  // namespace kaleidra
