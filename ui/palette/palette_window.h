// The colour and the brightness selection windows run this one implementation:
// a palette strip, a swatch showing the colour picked on it, and an owner-drawn
// list of chosen colours. The two windows differ only in a PaletteListKind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/palette/colour_swatch.h"
#include "ui/palette/palette_strip.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/description.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/list_box.h"

namespace kaleidra {

// What tells the two windows apart: texts, control names and strip settings.
struct PaletteListKind {
  const char16_t* caption;
  const char* labelName;
  const char* chooserName;
  const char* iconName;
  const char* listName;
  const toolkit::Picture& (*palette)();
  int32_t max;
};

class TPaletteListForm : public toolkit::Form {
 public:
  explicit TPaletteListForm(const PaletteListKind& kind);
  ~TPaletteListForm() override;

  // The strip's mappings, for the lists file.
  uint32_t ColorFromIndex(int32_t ColorIndex) const;
  int32_t GetIndexFromColor(uint32_t Color) const;

  // Filled by the window description; the windows give them their own names.
  toolkit::Label* CurLbl = nullptr;
  TColorChooser* Chooser = nullptr;
  TColorIcon* Icon = nullptr;
  toolkit::Button* AddBtn = nullptr;
  toolkit::ListBox* List = nullptr;
  toolkit::Button* DeleteBtn = nullptr;
  toolkit::Button* ClearBtn = nullptr;
  toolkit::Button* ExitBtn = nullptr;
  toolkit::Button* ОК = nullptr;

  void ColorChooserChangeColor(uint32_t Color);
  void AddBtnClick();
  void DeleteBtnClick();
  void ClearBtnClick();
  void ОКClick();
  void ExitBtnClick();
  void ListKeyDown(toolkit::ListBox& Sender, uint16_t& Key, uint8_t Shift);
  void ListDrawItem(toolkit::ListBox& Control, toolkit::Canvas& Canvas,
                    const toolkit::DrawItemEvent& Item);
  void FormCreate();
  void FormShow();
  void FormDestroy();

 private:
  // The entries as they were when the window was last shown, for "Отмена".
  std::vector<std::u16string> TempColors;
};

// The window description both windows are built from.
toolkit::WindowDescription<TPaletteListForm> PaletteListDescription(const PaletteListKind& kind);

}  // namespace kaleidra
